// Creation, activation and closing of the screen.
#include "screen/TfrmIntegraCardapio.h"

#include "module/BranchModeRule.h"
#include "module/ModuleEntry.h"
#include "server/IntegraCardapioServer.h"

#include "ErrorReporting.h"
#include "Session.h"
#include "TBtnPesquisa.h"
#include "TClientDataSet.h"
#include "TField.h"
#include "TDateEditPlus.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TMessages.h"
#include "TNetConnection.h"
#include "TSpeedButton.h"

// Any step that fails (a server failure, a blocked mode) ends the creation here with boLiberado
// still false, and the screen closes itself when shown. The five registers are then never
// created: nothing can use them on a screen that closes at once.
void TfrmIntegraCardapio::FormCreate(TComponent* Sender) {
    TfrmPadrImportExport::FormCreate(Sender);
    netIntegraCardapio->SetConnected(true);
    boPrimAtivacao = true;
    cdsDiretorio->SetData(Server().GetDiretorio());
    cdsParamIntegracao->SetData(Server().GetParamIntegra());
    sbtImportExport->SetGlyph(ImportPicture());
    medNmArquivo->SetText(cdsDiretorio->FieldByName("DSDIRETORIO")->AsString());
    boLiberado = true;

    const std::string blockKey = krd52100::BranchModeBlockKey(
        cdsParamIntegracao->FieldByName("IDMODMATRIZFILI")->AsString(), ModuFili());
    if (!blockKey.empty()) {
        boLiberado = false;
        MensErro(msgPadrao->Msg(blockKey), true);
    }

    for (TClientDataSet* taken : {cdsTipoPratOrigAux, cdsTipoPratDest, cdsServDestino, cdsDietaOrigAux, cdsDietaDest})
        taken->CreateDataSet();
}

void TfrmIntegraCardapio::netIntegraCardapioBeforeConnect(TComponent*) {
    netIntegraCardapio->Host = WebURL();
    netIntegraCardapio->Port = WebPort();
}

void TfrmIntegraCardapio::FormShow(TComponent*) {
    if (!boLiberado) sbtSairClick(sbtSair);
}

// Later activations only repaint: what the user typed in the meantime stays.
void TfrmIntegraCardapio::FormActivate(TComponent*) {
    Repaint();
    if (!boPrimAtivacao) return;
    cdsDiretorio->Open();
    medNmArquivo->SetText(cdsDiretorio->FieldByName("DSDIRETORIO")->AsString());
    medCdFilial->SetText(FiliProc());
    edtNmFilial->SetText(NomeFiliProc());
    // In branch mode the destination is the client's own branch and cannot be changed.
    lblFilial->SetEnabled(!ModuFili());
    medCdFilial->SetEnabled(!ModuFili());
    sbtFilial->SetEnabled(!ModuFili());
    lblServAtual->SetCaption("");
    depDestino->SetDate(Date());
    depDestinoChange(depDestino);
    boPrimAtivacao = false;
}

void TfrmIntegraCardapio::FormClose(TComponent* Sender, TCloseAction& Action) {
    TfrmPadrImportExport::FormClose(Sender, Action);
    netIntegraCardapio->SetConnected(false);
    boIdCriado = false;
}
