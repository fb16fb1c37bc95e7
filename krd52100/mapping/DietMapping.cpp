// The diets of the current service pair: the checks of an origin and a destination diet, the
// two registers of mapped diets and the events that keep them in step, and the diet grid.
//
// Registers: cdsDietaOrigAux holds (origin service, origin diet) and cdsDietaDest (destination
// service, destination diet) of every posted row. A pair enters as its row posts and leaves
// when the row is put into edit state or deleted; a load's proposed rows enter only when they
// are posted. Both registers refuse a second mapping: a destination diet takes the menus of one
// origin diet, and an origin diet goes to one destination diet only, since the import carries
// one destination per origin diet and would drop the others.
#include "screen/TfrmIntegraCardapio.h"

#include "mapping/BusyScope.h"
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

void ReleaseDiet(TClientDataSet& taken, const std::string& service, const std::string& diet) {
    if (Holds(taken, service, diet)) taken.Delete();
}

// Adds the diet to its register unless it is already there or empty.
void TakeDiet(TClientDataSet& taken, const std::string& service, const std::string& diet, const Variant& name) {
    if (EmptyString(diet) || taken.FindKey({Variant(service), Variant(diet)})) return;
    taken.Insert();
    taken.FieldByName("CDSERVFILI")->SetAsString(service);
    taken.FieldByName("CDDIETPAD")->SetAsString(diet);
    taken.FieldByName("DSDIETPAD")->SetValue(name);
    taken.Post();
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
            krd52100::BusyScope busy(Application);
            cdsPesqDietServ->SetData(Server().GetVd_DietaDestino(medCdFilial->Text(), service, diet.AsString(), "X"));
        }
        if (cdsPesqDietServ->IsEmpty()) MensErro(msgPadrao->Msg("diet_n_cad"), true);
        if (Holds(*cdsDietaDest, service, diet.AsString()))
            MensErro(Format(msgPadrao->Msg("ja_cad"), {msgPadrao->Msg("dietdest")}), true);
        cdsDietas->FieldByName("DSDIETDEST")->SetValue(cdsPesqDietServ->FieldByName("DSDIETPAD")->Value());
    });
}

// Diet codes are checked when the focus leaves their column; a post stores them as they are.
// A row typed and posted before any check (Enter straight after typing) holds no service pair
// yet: it takes the current pair's, since without them it would drop out of the grid, which
// shows one pair, and out of the import, which reads the diets of each pair.
void TfrmIntegraCardapio::cdsDietasBeforePost(TDataSet*) {
    const std::pair<const char*, const char*> pairCodes[] = {{"CDSERVORIG", "CDSERVFILIORIG"},
                                                             {"CDSERVDEST", "CDSERVFILIDEST"}};
    for (const auto& [dietField, serviceField] : pairCodes) {
        if (EmptyString(ValueOf(*cdsDietas, dietField)))
            cdsDietas->FieldByName(dietField)->SetAsString(ValueOf(*cdsServicos, serviceField));
    }
}

void TfrmIntegraCardapio::cdsDietasAfterPost(TDataSet*) {
    TakeDiet(*cdsDietaOrigAux, ValueOf(*cdsDietas, "CDSERVORIG"), ValueOf(*cdsDietas, "CDDIETORIG"),
         cdsDietas->FieldByName("DSDIETORIG")->Value());
    TakeDiet(*cdsDietaDest, ValueOf(*cdsDietas, "CDSERVDEST"), ValueOf(*cdsDietas, "CDDIETDEST"),
         cdsDietas->FieldByName("DSDIETDEST")->Value());
}

// The row releases its own pairs, so that keeping its diets passes the checks.
void TfrmIntegraCardapio::cdsDietasBeforeEdit(TDataSet*) {
    ReleaseDiet(*cdsDietaOrigAux, ValueOf(*cdsDietas, "CDSERVORIG"), ValueOf(*cdsDietas, "CDDIETORIG"));
    ReleaseDiet(*cdsDietaDest, ValueOf(*cdsDietas, "CDSERVDEST"), ValueOf(*cdsDietas, "CDDIETDEST"));
}

void TfrmIntegraCardapio::cdsDietasBeforeCancel(TDataSet*) { krd52100::ConfirmOrAbort(msgPadrao->Msg("canc")); }

void TfrmIntegraCardapio::cdsDietasBeforeDelete(TDataSet*) {
    deletedDietDestination = ValueOf(*cdsDietas, "CDDIETDEST");
    deletedDietOrigin = ValueOf(*cdsDietas, "CDDIETORIG");
}

// The grid shows the rows of the current service pair only, so its codes are the deleted row's.
void TfrmIntegraCardapio::cdsDietasAfterDelete(TDataSet*) {
    ReleaseDiet(*cdsDietaOrigAux, ValueOf(*cdsServicos, "CDSERVFILIORIG"), deletedDietOrigin);
    ReleaseDiet(*cdsDietaDest, ValueOf(*cdsServicos, "CDSERVFILIDEST"), deletedDietDestination);
}

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

// A diet chosen in a lookup goes into the row as listed, unchecked, and the row is left in edit
// state for the user to post or cancel.
void TfrmIntegraCardapio::dbgDietaEditButtonClick(TComponent*) {
    if (cdsServicos->IsEmpty()) return;
    if (krd52100::SelectedFieldIs(*dbgDieta, "CDDIETORIG")) {
        const std::string service = ValueOf(*cdsServicos, "CDSERVFILIORIG");
        WithFilter(*cdsDietaOrig, krd52100::FieldEquals("CDSERVFILI", service), [&] {
            if (!Pesquisar(dtsDietaOrig, msgPadrao->Msg("dietexp"), false, true) || !ReadyForChoice(*cdsDietas)) return;
            cdsDietas->FieldByName("CDSERVORIG")->SetAsString(service);
            cdsDietas->FieldByName("CDDIETORIG")->SetValue(cdsDietaOrig->FieldByName("CDDIETPAD")->Value());
            cdsDietas->FieldByName("DSDIETORIG")->SetValue(cdsDietaOrig->FieldByName("DSDIETPAD")->Value());
        });
    } else if (krd52100::SelectedFieldIs(*dbgDieta, "CDDIETDEST")) {
        const std::string branch = medCdFilial->Text(), service = ValueOf(*cdsServicos, "CDSERVFILIDEST");
        const std::string filter = krd52100::FieldEquals("CDFILIAL", branch) + " AND " +
                                   krd52100::FieldEquals("CDSERVFILI", service);
        WithFilter(*cdsPesqDietServ, filter, [&] {
            // The table holds the answer of the last destination check, which may be of another
            // service, or of none yet: then the list of the service's diets comes first.
            if (!cdsPesqDietServ->Active() || cdsPesqDietServ->IsEmpty()) {
                krd52100::BusyScope busy(Application);
                cdsPesqDietServ->SetData(Server().GetVd_DietaDestino(branch, service, "", "X"));
            }
            if (!Pesquisar(dtsPesqDietServ, msgPadrao->Msg("dietdest"), false, true) || !ReadyForChoice(*cdsDietas))
                return;
            cdsDietas->FieldByName("CDSERVDEST")->SetAsString(service);
            cdsDietas->FieldByName("CDDIETDEST")->SetValue(cdsPesqDietServ->FieldByName("CDDIETPAD")->Value());
            cdsDietas->FieldByName("DSDIETDEST")->SetValue(cdsPesqDietServ->FieldByName("DSDIETPAD")->Value());
        });
    }
}

void TfrmIntegraCardapio::dbgDietaKeyDown(TComponent*, Word& Key, TShiftState Shift) {
    krd52100::PostOnEnter(*dbgDieta, Key, Shift);
}
