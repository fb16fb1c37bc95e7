// The destination branch: the code typed or chosen in the filter panel, checked against the
// branch table of the host's general database, whose name is shown beside it.
#include "screen/TfrmIntegraCardapio.h"

#include "BranchQuery.h"
#include "TADOIBQuery.h"
#include "TEdit.h"
#include "TField.h"
#include "TMaskEdit.h"

// Refusals come in the host's order, with the focus back on the code (CheckBranch).
void TfrmIntegraCardapio::Vd_CdFilial(bool flag) {
    if (const auto name = CheckBranch(*qryFilial, *medCdFilial, *msgPadrao, flag)) edtNmFilial->SetText(*name);
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
