// The screen's own keys, seen before the focused control (the base screen previews keys).
#include "screen/TfrmIntegraCardapio.h"

#include "TDataSource.h"
#include "TSpeedButton.h"
#include "TCustomPageControl98.h"

namespace {

constexpr char kEscape = 27;

}  // namespace

// Escape closes the screen, unless a row of some table is being edited or inserted: then the
// key is left to the focused control (a grid cancels the edit with it).
void TfrmIntegraCardapio::FormKeyPress(TComponent*, char& Key) {
    if (Key != kEscape) return;
    for (TComponent* component : Components()) {
        auto* source = dynamic_cast<TDataSource*>(component);
        if (source && (source->State() == dsEdit || source->State() == dsInsert)) return;
    }
    if (sbtSair->Enabled()) sbtSair->Click();
}

// Control with the arrows moves between the tabs; Control with Enter imports.
void TfrmIntegraCardapio::FormKeyDown(TComponent*, Word& Key, TShiftState Shift) {
    if (Shift != TShiftState{ssCtrl}) return;
    if (Key == VK_LEFT)
        pgcPadrao->SelectNextPage(false);
    else if (Key == VK_RIGHT)
        pgcPadrao->SelectNextPage(true);
    else if (Key == VK_RETURN && sbtImportExport->Enabled())
        sbtImportExport->Click();
}
