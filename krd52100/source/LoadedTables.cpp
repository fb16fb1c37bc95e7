// Which file and branch the mapping tables on screen were loaded for. The mappings are proposed
// and reviewed for one branch and one file: the import button, the tabs "Dietas" and
// "Configuração" and the import itself ask here, so that they are never imported into another
// branch, nor sent as another file's.
#include "screen/TfrmIntegraCardapio.h"

#include "TClientDataSet.h"
#include "TCustomPageControl98.h"
#include "TMaskEdit.h"
#include "TSpeedButton.h"
#include "TTabSheet98.h"

bool TfrmIntegraCardapio::TablesMatchFilter() const {
    return loadedTables && cdsServicos->Active() && loadedTables->file == medNmArquivo->Text() &&
           loadedTables->branch == medCdFilial->Text();
}

void TfrmIntegraCardapio::RememberLoadedTables() {
    loadedTables = LoadedTables{medNmArquivo->Text(), medCdFilial->Text()};
}

// From any change of the file or the branch until a load succeeds, the tables on screen are not
// those of the file and branch shown: only the services tab stays reachable, and nothing imports.
void TfrmIntegraCardapio::ForgetLoadedTables() {
    loadedTables.reset();
    sbtImportExport->SetEnabled(false);
    pgcPadrao->SetActivePage(tshPadrao);
    tshDieta->SetEnabled(false);
    tshConfig->SetEnabled(false);
}
