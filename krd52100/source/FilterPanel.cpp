// The filter panel (integration file and destination branch) and the tabs it governs: while the
// focus is inside it only the services tab is reachable; leaving it checks the file and the
// branch and loads the file, and only a successful load opens the other two tabs.
#include "screen/TfrmIntegraCardapio.h"

#include "module/ModuleEntry.h"

#include "TCustomPageControl98.h"
#include "TLabel.h"
#include "TTabSheet98.h"

void TfrmIntegraCardapio::panFiltroEnter(TComponent*) {
    lblServAtual->SetCaption("");
    pgcPadrao->SetActivePage(tshPadrao);
    tshDieta->SetEnabled(false);
    tshConfig->SetEnabled(false);
    Repaint();
}

// Each exit loads the file again: the mapping tables are replaced by the server's proposal.
void TfrmIntegraCardapio::panFiltroExit(TComponent*) {
    Vd_Arquivo(true);
    Vd_CdFilial(true);
    boImporta = false;
    ImportaCardapio();
    tshDieta->SetEnabled(true);
    tshConfig->SetEnabled(true);
}
