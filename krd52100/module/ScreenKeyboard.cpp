// The screen's own keys, seen before the focused control (the base screen previews keys).
#include "screen/TfrmIntegraCardapio.h"

#include "TDataSource.h"
#include "TInplaceEdit.h"
#include "TSpeedButton.h"
#include "TCustomPageControl98.h"

#include <utility>

namespace {

constexpr char kEscape = 27;

// Work that Escape undoes instead of closing the screen: a row of some table being edited or
// inserted, or a grid's cell editor open (Escape closes the editor first).
bool WorkPending(const TForm& screen) {
    if (dynamic_cast<const TInplaceEdit*>(screen.ActiveControl())) return true;
    for (TComponent* component : screen.Components()) {
        auto* source = dynamic_cast<TDataSource*>(component);
        if (source && (source->State() == dsEdit || source->State() == dsInsert)) return true;
    }
    return false;
}

}  // namespace

// Escape closes the screen, unless it found work pending: then the key is the focused control's
// (a grid closes its editor or cancels the row with it). Whether work was pending is decided at
// the key down, before the control acts: a grid has already cancelled the row, or closed its
// editor, by the time the character arrives here.
void TfrmIntegraCardapio::FormKeyPress(TComponent*, char& Key) {
    if (Key != kEscape) return;
    const bool pending = std::exchange(escapeFoundWorkPending, false) || WorkPending(*this);
    if (!pending && sbtSair->Enabled()) sbtSair->Click();
}

// Control with the arrows moves between the tabs; Control with Enter imports.
void TfrmIntegraCardapio::FormKeyDown(TComponent*, Word& Key, TShiftState Shift) {
    escapeFoundWorkPending = Key == VK_ESCAPE && WorkPending(*this);
    if (Shift != TShiftState{ssCtrl}) return;
    if (Key == VK_LEFT)
        pgcPadrao->SelectNextPage(false);
    else if (Key == VK_RIGHT)
        pgcPadrao->SelectNextPage(true);
    else if (Key == VK_RETURN && sbtImportExport->Enabled())
        sbtImportExport->Click();
}
