// The export: the checks in the order the screen reads (branch, period, services, file), the
// call to the application server under the busy animation, and the summary of what was written.
//
// With the server in process the server writes the file at the chosen path. Over HTTP the
// server sends the file's bytes and the screen writes them there (ReplaceFile): the branch
// exporting need not see the server's folders, and the server writes nothing of the user's.
#include "screen/TfrmExportaCardapio.h"

#include "server/ExportaCardapioServer.h"

#include "BusyScope.h"
#include "ErrorReporting.h"
#include "FocusBack.h"
#include "Format.h"
#include "MsgDlg.h"
#include "ReplaceFile.h"
#include "SysUtils.h"
#include "Session.h"
#include "TDateEditPlus.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TMessages.h"
#include "TextRoutines.h"

#include <filesystem>

void TfrmExportaCardapio::sbtImportExportClick(TComponent*) {
    Vd_CdFilial(true);
    CarregaServicos();
    Vd_Periodo();
    Vd_Servicos();
    Vd_Arquivo();
    ExportaCardapio();
}

void TfrmExportaCardapio::Refuse(const char* key, TWinControl& where) {
    MensErro(msgPadrao->Msg(key), false);
    FocusBack(where);
    Abort();
}

void TfrmExportaCardapio::ExportaCardapio() {
    const std::string path = std::filesystem::absolute(AllTrim(medNmArquivo->Text())).string();
    const bool serverWrites = WebURL() == "embedded";
    lblResumo->SetCaption("");
    krd52200::ExportSummary summary;
    {
        BusyScope busy(this, msgPadrao->Msg("Exportando"));
        summary = Server().ExportaCardapio(medCdFilial->Text(), depInicial->Date(), depFinal->Date(), MarkedServices(),
                                           serverWrites ? path : "");
    }
    if (!serverWrites) {
        const std::string failure = ReplaceFile(path, summary.bytes.value_or(""));
        if (!failure.empty()) MensErro(Format(msgPadrao->Msg("Grava_Falhou"), {path, failure}), true);
    }
    lblResumo->SetCaption(Format(msgPadrao->Msg("Resumo"), {path, summary.services, summary.diets,
                                                            summary.dishTypes, summary.dishes, summary.menuLines}));
    MessageDlg(msgPadrao->Msg("ExportaOk"), mtInformation, {mbOK}, 0);
}
