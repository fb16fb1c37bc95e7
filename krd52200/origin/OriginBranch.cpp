// The origin branch: the session's own, or any branch head office types or picks in the lookup,
// checked against the branch table of the host's general database; and its services, loaded from
// the application server as the branch is settled.
#include "screen/TfrmExportaCardapio.h"

#include "server/ExportaCardapioServer.h"

#include "BranchQuery.h"
#include "BusyScope.h"
#include "ErrorReporting.h"
#include "TADOIBQuery.h"
#include "TApplication.h"
#include "TClientDataSet.h"
#include "TEdit.h"
#include "TField.h"
#include "TMaskEdit.h"
#include "TMessages.h"

void TfrmExportaCardapio::Vd_CdFilial(bool flag) {
    if (const auto name = CheckBranch(*qryFilial, *medCdFilial, *msgPadrao, flag)) edtNmFilial->SetText(*name);
}

// The name and the services on screen belong to the code they were found for.
void TfrmExportaCardapio::medCdFilialChange(TComponent*) {
    edtNmFilial->SetText("");
    if (medCdFilial->Text() != servicesBranch) cdsServicos->Close();
    ProposeFileName();
}

void TfrmExportaCardapio::medCdFilialExit(TComponent*) {
    Vd_CdFilial(false);
    CarregaServicos();
}

// Rescinded branches are listed too; they are refused when the code is checked.
void TfrmExportaCardapio::sbtFilialBeforePesq(TComponent*, bool&) { OpenBranches(*qryFilial, "", "T"); }

// The lookup has put the chosen code into the edit.
void TfrmExportaCardapio::sbtFilialAfterPesq(TComponent*) {
    Vd_CdFilial(true);
    CarregaServicos();
}

// Every service of the branch starts marked. A branch without services is said at once: there
// would be nothing to export.
void TfrmExportaCardapio::CarregaServicos() {
    const std::string branch = medCdFilial->Text();
    if (cdsServicos->Active() && branch == servicesBranch) return;
    cdsServicos->Close();  // a failed load leaves no list to mark, and the next exit tries again
    servicesBranch = branch;
    if (!branch.empty()) {
        BusyScope busy(Application);
        cdsPesqServico->SetData(Server().GetPesqServ(branch));
    }
    cdsServicos->CreateDataSet();
    if (branch.empty()) return;
    cdsServicos->DisableControls();
    for (cdsPesqServico->First(); !cdsPesqServico->Eof(); cdsPesqServico->Next()) {
        cdsServicos->Append();
        cdsServicos->FieldByName("IDEXPORTAR")->SetAsString("S");
        for (const char* field : {"CDSERVFILI", "NMSERVICO"})
            cdsServicos->FieldByName(field)->SetAsString(cdsPesqServico->FieldByName(field)->AsString());
        cdsServicos->Post();
    }
    cdsServicos->First();
    cdsServicos->EnableControls();
    if (cdsServicos->IsEmpty()) MensErro(msgPadrao->Msg("Serv_Cad_Fili"), false);
}
