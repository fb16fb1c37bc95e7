// Creation, activation and closing of the screen.
#include "screen/TfrmExportaCardapio.h"

#include "module/ModuleEntry.h"

#include "Session.h"
#include "TBtnPesquisa.h"
#include "TDateEditPlus.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TNetConnection.h"

void TfrmExportaCardapio::FormCreate(TComponent* Sender) {
    TfrmPadrImportExport::FormCreate(Sender);
    netExportaCardapio->SetConnected(true);
    boPrimAtivacao = true;
}

void TfrmExportaCardapio::netExportaCardapioBeforeConnect(TComponent*) {
    netExportaCardapio->Host = WebURL();
    netExportaCardapio->Port = WebPort();
}

// The first activation fills in the defaults: the session's branch and its services, the week
// that starts today and the file name that goes with them. Later activations keep what the user
// typed in the meantime.
void TfrmExportaCardapio::FormActivate(TComponent*) {
    Repaint();
    if (!boPrimAtivacao) return;
    boPrimAtivacao = false;
    medCdFilial->SetText(FiliProc());
    Vd_CdFilial(false);  // the name as the branch table holds it
    // In branch mode the origin is the client's own branch and cannot be changed.
    lblFilial->SetEnabled(!ModuFili());
    medCdFilial->SetEnabled(!ModuFili());
    sbtFilial->SetEnabled(!ModuFili());
    depInicial->SetDate(Date());
    depFinal->SetDate(Date() + 6);
    ProposeFileName();
    CarregaServicos();
}

void TfrmExportaCardapio::FormClose(TComponent* Sender, TCloseAction& Action) {
    TfrmPadrImportExport::FormClose(Sender, Action);
    netExportaCardapio->SetConnected(false);
    boIdCriado = false;
}
