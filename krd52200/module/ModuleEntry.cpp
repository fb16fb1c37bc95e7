// The module's variables and the routines through which the host opens the screen.
#include "module/ModuleEntry.h"

#include "screen/TfrmExportaCardapio.h"

#include "HourglassCursor.h"
#include "TApplication.h"

TfrmExportaCardapio* frmExportaCardapio = nullptr;
bool boIdCriado = false;

void IniProc() { CriaExportaCardapio(); }

// Made as the host's loader expects a module's screen to be made: built, created (FormCreate)
// and shown at once, a child window that opens visible.
void CriaExportaCardapio() {
    HourglassCursor hourglass;
    if (!boIdCriado) {
        frmExportaCardapio = new TfrmExportaCardapio(Application);
        boIdCriado = true;
        frmExportaCardapio->DoCreate();
    }
    frmExportaCardapio->SetWindowState(wsNormal);
    frmExportaCardapio->Show();
}
