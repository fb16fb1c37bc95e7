// The screen's own keys, seen before the focused control (the base screen previews keys):
// Escape closes the screen, Control with Enter exports, as on the import screen.
#include "screen/TfrmExportaCardapio.h"

#include "TSpeedButton.h"

namespace {

constexpr char kEscape = 27;

}  // namespace

void TfrmExportaCardapio::FormKeyPress(TComponent* Sender, char& Key) {
    TfrmPadrImportExport::FormKeyPress(Sender, Key);
    if (Key == kEscape && sbtSair->Enabled()) sbtSair->Click();
}

void TfrmExportaCardapio::FormKeyDown(TComponent* Sender, Word& Key, TShiftState Shift) {
    TfrmPadrImportExport::FormKeyDown(Sender, Key, Shift);
    if (Shift == TShiftState{ssCtrl} && Key == VK_RETURN && sbtImportExport->Enabled()) sbtImportExport->Click();
}
