// The destination branch: the code typed or chosen in the filter panel, checked against the
// branch table of the host's general database, whose name is shown beside it.
#include "screen/TfrmIntegraCardapio.h"

#include "source/FocusBack.h"

#include "ErrorReporting.h"
#include "TADOIBQuery.h"
#include "TEdit.h"
#include "TField.h"
#include "TMaskEdit.h"
#include "TMessages.h"
#include "TextRoutines.h"

namespace {

// The query serves both the check of one code and the list of every branch.
void OpenBranches(TADOIBQuery& query, const std::string& code, const std::string& all) {
    query.Close();
    query.ParamByName("P_CDFILIAL").SetAsString(code);
    query.ParamByName("P_TCDFILIAL").SetAsString(all);
    query.Open();
}

}  // namespace

// The code is brought to its stored form before anything else, so that "3" finds branch
// "0003" and the load sends the code as the server stores it.
void TfrmIntegraCardapio::Vd_CdFilial(bool flag) {
    try {
        const bool empty = EmptyString(medCdFilial->Text());
        medCdFilial->SetText(Ajusta(medCdFilial->Text(), 4));
        if (empty) {
            if (flag) MensErro(msgPadrao->Msg("Filial_Deve"), true);
            return;
        }
        OpenBranches(*qryFilial, medCdFilial->Text(), "");
        if (qryFilial->IsEmpty()) MensErro(msgPadrao->Msg("Filial_N_Cad"), true);
        if (qryFilial->FieldByName("IDCNTRRESC")->AsString() == "S") MensErro(msgPadrao->Msg("Filial_Resc"), true);
        edtNmFilial->SetText(qryFilial->FieldByName("NMFILIAL")->AsString());
    } catch (...) {
        krd52100::FocusBack(*medCdFilial);
        throw;
    }
}

// Rescinded branches are listed too; they are refused only when the filter panel is left.
void TfrmIntegraCardapio::sbtFilialBeforePesq(TComponent*, bool&) { OpenBranches(*qryFilial, "", "T"); }

// The name shown belongs to the code it was found for, and so do the tables of a load: neither
// stays beside another code, typed or chosen in the lookup.
void TfrmIntegraCardapio::medCdFilialChange(TComponent*) {
    edtNmFilial->SetText("");
    ForgetLoadedTables();
}

void TfrmIntegraCardapio::sbtFilialAfterPesq(TComponent*) {
    medCdFilial->SetText(qryFilial->FieldByName("CDFILIAL")->AsString());
    edtNmFilial->SetText(qryFilial->FieldByName("NMFILIAL")->AsString());
}
