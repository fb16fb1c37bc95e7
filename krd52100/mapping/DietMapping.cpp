// The diets of the current service pair: the checks of an origin and a destination diet, the
// events that keep the two registers of mapped diets in step, and the diet grid.
//
// Registers (mapping/TakenRegisters.h): cdsDietaOrigAux holds (origin service, origin diet) and
// cdsDietaDest (destination service, destination diet) of every posted row. Both refuse a second
// mapping: a destination diet takes the menus of one origin diet, and an origin diet goes to one
// destination diet only, since the import carries one destination per origin diet.
#include "screen/TfrmIntegraCardapio.h"

#include "BusyScope.h"
#include "mapping/MappingRoutines.h"
#include "mapping/PairFilter.h"
#include "server/IntegraCardapioServer.h"

#include "ControlRoutines.h"
#include "ErrorReporting.h"
#include "Format.h"
#include "LookupDialog.h"
#include "TApplication.h"
#include "TClientDataSet.h"
#include "TMaskEdit.h"
#include "TMessages.h"
#include "TextRoutines.h"

using krd52100::FocusOnFailure;
using krd52100::IsEditing;

namespace {

constexpr const char* kServiceAndDiet = "CDSERVFILI;CDDIETPAD";

std::string ValueOf(TDataSet& dataSet, const char* field) { return dataSet.FieldByName(field)->AsString(); }

bool Holds(TClientDataSet& taken, const std::string& service, const std::string& diet) {
    return taken.Locate(kServiceAndDiet, VarArrayOf({service, diet}), loCaseInsensitive);
}

// Shows the lookup over a table narrowed by `filter` and takes the filter off again, whatever
// happens, so that the narrowing never leaks into the checks that search the same table.
template <typename Choose>
void WithFilter(TClientDataSet& table, const std::string& filter, Choose&& choose) {
    try {
        table.SetFiltered(false);
        krd52100::ApplyFilter(table, filter);
        choose();
    } catch (...) {
        table.SetFiltered(false);
        throw;
    }
    table.SetFiltered(false);
}

// Puts the diet table into edit state for a diet chosen in a lookup (on an empty table Edit
// inserts); false when it did not get there.
bool ReadyForChoice(TClientDataSet& diets) {
    if (diets.State() == dsBrowse) diets.Edit();
    return IsEditing(diets);
}

}  // namespace

void TfrmIntegraCardapio::Vd_DietaOrigem(bool flag) {
    TField& diet = *cdsDietas->FieldByName("CDDIETORIG");
    FocusOnFailure(diet, [&] {
        if (EmptyString(diet.AsString()) && flag) MensErro(msgPadrao->Msg("diet_orig_inf"), true);
        if (EmptyString(diet.AsString()) || !IsEditing(*cdsDietas)) return;
        const std::string service = ValueOf(*cdsServicos, "CDSERVFILIORIG");
        cdsDietas->FieldByName("CDSERVORIG")->SetAsString(service);
        diet.SetAsString(Ajusta(diet.AsString(), 4));
        if (!Holds(*cdsDietaOrig, service, diet.AsString())) MensErro(msgPadrao->Msg("diet_n_exp"), true);
        if (Holds(*cdsDietaOrigAux, service, diet.AsString())) MensErro(msgPadrao->Msg("dietorig_ja_cad"), true);
        cdsDietas->FieldByName("DSDIETORIG")->SetValue(cdsDietaOrig->FieldByName("DSDIETPAD")->Value());
    });
    Accepted(diet);
}

void TfrmIntegraCardapio::Vd_DietaDestino(bool flag) {
    TField& diet = *cdsDietas->FieldByName("CDDIETDEST");
    FocusOnFailure(diet, [&] {
        if (EmptyString(diet.AsString()) && flag) MensErro(msgPadrao->Msg("diet_dest_inf"), true);
        if (EmptyString(diet.AsString()) || !IsEditing(*cdsDietas)) return;
        const std::string service = ValueOf(*cdsServicos, "CDSERVFILIDEST");
        cdsDietas->FieldByName("CDSERVDEST")->SetAsString(service);
        diet.SetAsString(Ajusta(diet.AsString(), 4));
        {
            BusyScope busy(Application);
            cdsPesqDietServ->SetData(Server().GetVd_DietaDestino(medCdFilial->Text(), service, diet.AsString(), "X"));
        }
        if (cdsPesqDietServ->IsEmpty()) MensErro(msgPadrao->Msg("diet_n_cad"), true);
        if (Holds(*cdsDietaDest, service, diet.AsString()))
            MensErro(Format(msgPadrao->Msg("ja_cad"), {msgPadrao->Msg("dietdest")}), true);
        cdsDietas->FieldByName("DSDIETDEST")->SetValue(cdsPesqDietServ->FieldByName("DSDIETPAD")->Value());
    });
    Accepted(diet);
}

// Diet codes are checked when the focus leaves their column; a post checks those typed or picked
// since. A row typed and posted before any check holds no service pair yet: it takes the current
// pair's, since without them it would drop out of the grid, which shows one pair, and out of the
// import, which reads the diets of each pair.
void TfrmIntegraCardapio::cdsDietasBeforePost(TDataSet*) {
    const std::pair<const char*, const char*> pairCodes[] = {{"CDSERVORIG", "CDSERVFILIORIG"},
                                                             {"CDSERVDEST", "CDSERVFILIDEST"}};
    for (const auto& [dietField, serviceField] : pairCodes) {
        if (EmptyString(ValueOf(*cdsDietas, dietField)))
            cdsDietas->FieldByName(dietField)->SetAsString(ValueOf(*cdsServicos, serviceField));
    }
    if (Unchecked(*cdsDietas, "CDDIETORIG")) Vd_DietaOrigem(false);
    if (Unchecked(*cdsDietas, "CDDIETDEST")) Vd_DietaDestino(false);
    RowPosting(*cdsDietas);
}

void TfrmIntegraCardapio::cdsDietasAfterPost(TDataSet*) { RowPosted(*cdsDietas); }

// The row releases its own pairs, so that keeping its diets passes the checks.
void TfrmIntegraCardapio::cdsDietasBeforeEdit(TDataSet*) { RowEditStarts(*cdsDietas); }

void TfrmIntegraCardapio::cdsDietasBeforeCancel(TDataSet*) {
    krd52100::ConfirmOrAbort(msgPadrao->Msg("canc"));
    RowCancelling(*cdsDietas);
}

void TfrmIntegraCardapio::cdsDietasAfterCancel(TDataSet*) { RowCancelled(*cdsDietas); }

void TfrmIntegraCardapio::cdsDietasBeforeDelete(TDataSet*) { RowDeleting(*cdsDietas); }

void TfrmIntegraCardapio::cdsDietasAfterDelete(TDataSet*) { RowDeleted(*cdsDietas); }

void TfrmIntegraCardapio::dbgDietaColExit(TComponent*) {
    if (krd52100::SelectedFieldIs(*dbgDieta, "CDDIETORIG")) Vd_DietaOrigem(false);
    if (krd52100::SelectedFieldIs(*dbgDieta, "CDDIETDEST")) Vd_DietaDestino(false);
}

void TfrmIntegraCardapio::dbgDietaDrawColumnCell(TComponent*, const TRect& Rect, int DataCol, TColumn*,
                                                 TGridDrawState State) {
    if (cdsDietas->IsEmpty()) return;
    if (DataCol == IndiceCol(dbgDieta, "CDDIETORIG"))
        krd52100::PaintCodeAsName(*dbgDieta, Rect, State, *cdsDietas->FieldByName("CDDIETORIG"),
                                  *cdsDietas->FieldByName("DSDIETORIG"));
    if (DataCol == IndiceCol(dbgDieta, "CDDIETDEST"))
        krd52100::PaintCodeAsName(*dbgDieta, Rect, State, *cdsDietas->FieldByName("CDDIETDEST"),
                                  *cdsDietas->FieldByName("DSDIETDEST"));
}

// A diet chosen in a lookup goes into the row as listed, and the row is left in edit state for
// the user to post or cancel; the post checks it.
void TfrmIntegraCardapio::dbgDietaEditButtonClick(TComponent*) {
    if (cdsServicos->IsEmpty()) return;
    if (krd52100::SelectedFieldIs(*dbgDieta, "CDDIETORIG")) {
        const std::string service = ValueOf(*cdsServicos, "CDSERVFILIORIG");
        WithFilter(*cdsDietaOrig, krd52100::FieldEquals("CDSERVFILI", service), [&] {
            if (!Pesquisar(dtsDietaOrig, msgPadrao->Msg("dietexp"), false, true) || !ReadyForChoice(*cdsDietas)) return;
            cdsDietas->FieldByName("CDSERVORIG")->SetAsString(service);
            cdsDietas->FieldByName("CDDIETORIG")->SetValue(cdsDietaOrig->FieldByName("CDDIETPAD")->Value());
            cdsDietas->FieldByName("DSDIETORIG")->SetValue(cdsDietaOrig->FieldByName("DSDIETPAD")->Value());
            uncheckedCodes.insert(cdsDietas->FieldByName("CDDIETORIG"));
        });
    } else if (krd52100::SelectedFieldIs(*dbgDieta, "CDDIETDEST")) {
        const std::string branch = medCdFilial->Text(), service = ValueOf(*cdsServicos, "CDSERVFILIDEST");
        const std::string filter = krd52100::FieldEquals("CDFILIAL", branch) + " AND " +
                                   krd52100::FieldEquals("CDSERVFILI", service);
        WithFilter(*cdsPesqDietServ, filter, [&] {
            // The table holds the answer of the last destination check, which may be of another
            // service, or of none yet: then the list of the service's diets comes first.
            if (!cdsPesqDietServ->Active() || cdsPesqDietServ->IsEmpty()) {
                BusyScope busy(Application);
                cdsPesqDietServ->SetData(Server().GetVd_DietaDestino(branch, service, "", "X"));
            }
            if (!Pesquisar(dtsPesqDietServ, msgPadrao->Msg("dietdest"), false, true) || !ReadyForChoice(*cdsDietas))
                return;
            cdsDietas->FieldByName("CDSERVDEST")->SetAsString(service);
            cdsDietas->FieldByName("CDDIETDEST")->SetValue(cdsPesqDietServ->FieldByName("CDDIETPAD")->Value());
            cdsDietas->FieldByName("DSDIETDEST")->SetValue(cdsPesqDietServ->FieldByName("DSDIETPAD")->Value());
            uncheckedCodes.insert(cdsDietas->FieldByName("CDDIETDEST"));
        });
    }
}

void TfrmIntegraCardapio::dbgDietaKeyDown(TComponent*, Word& Key, TShiftState Shift) {
    krd52100::PostOnEnter(*dbgDieta, Key, Shift);
}
