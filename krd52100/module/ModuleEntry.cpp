// The module's variables and the routines through which the host opens the screen.
#include "module/ModuleEntry.h"

#include "screen/TfrmIntegraCardapio.h"

#include "HourglassCursor.h"
#include "TApplication.h"

TfrmIntegraCardapio* frmIntegraCardapio = nullptr;
bool boIdCriado = false;
bool boImporta = false;
bool boPrimVez = false;

namespace {

// The application's form factory, as the host's loader expects a module's screen to be made:
// built, created (FormCreate), and shown at once, since the screen is a child window that
// opens visible (FormShow, then the activation, FormActivate). The screen counts as created
// from the moment it exists; if it closes itself while being created (a blocked mode, a failed
// server call), its FormClose has already cleared boIdCriado again.
void CreateScreen() {
    frmIntegraCardapio = new TfrmIntegraCardapio(Application);
    boIdCriado = true;
    frmIntegraCardapio->DoCreate();
    frmIntegraCardapio->Show();
}

}  // namespace

void IniProc() { CriaIntegraCardapio(); }

void CriaIntegraCardapio() {
    HourglassCursor hourglass;
    if (!boIdCriado) CreateScreen();
    // A blocked screen has shown its message and closed itself: nothing to bring forward.
    if (frmIntegraCardapio->boLiberado) {
        frmIntegraCardapio->SetWindowState(wsNormal);
        frmIntegraCardapio->Show();
    }
}
