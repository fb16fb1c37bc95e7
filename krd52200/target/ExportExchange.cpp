// The export: the checks in the order the screen reads (branch, period, services, file), the
// call to the application server under the busy animation, and the summary of what was written.
//
// With the server in process the server writes the file at the chosen path. Over HTTP the
// server sends the file's text and the screen writes it there (ExportedFileWriter): the branch
// exporting need not see the server's folders, and the server writes nothing of the user's. A
// file that cannot be written is the host's error box (EInOutError), and no summary shows.
#include "screen/TfrmExportaCardapio.h"

#include "server/ExportaCardapioServer.h"

#include "BusyScope.h"
#include "ErrorReporting.h"
#include "ExportedFileWriter.h"
#include "FocusBack.h"
#include "Format.h"
#include "MsgDlg.h"
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
    if (!serverWrites) ExportedFileWriter::Write(path, summary.text.value_or(""));
    lblResumo->SetCaption(Format(msgPadrao->Msg("Resumo"), {path, summary.services, summary.diets,
                                                            summary.dishTypes, summary.dishes, summary.menuLines}));
    MessageDlg(msgPadrao->Msg("ExportaOk"), mtInformation, {mbOK}, 0);
}
