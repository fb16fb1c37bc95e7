// The configuration tab: the rebuild of the destination dish types when the date panel is left,
// and what a change of tab prepares (the status line, and the diet or dish-type grid of the
// current service pair).
//
// During the rebuild cdsTipoPrat is ordered by slot (TIPOPRAT: service, sequence, code), so that
// of two origin dish types of one slot the lower code takes a destination dish type first; the
// grid shows it by display order (TIPOORD) at every other time. Both tables' controls stay
// frozen for the whole pass, so that the grids repaint once.
#include "screen/TfrmIntegraCardapio.h"

#include "config/DishTypeRebuild.h"
#include "mapping/PairFilter.h"

#include "ControlRoutines.h"
#include "ErrorReporting.h"
#include "Format.h"
#include "TClientDataSet.h"
#include "TField.h"
#include "TCustomPageControl98.h"
#include "TDateEditPlus.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TMessages.h"
#include "TTabSheet98.h"
#include "TextRoutines.h"

namespace {

void RestoreDisplayOrder(TClientDataSet& dishTypes) {
    dishTypes.SetIndexName("TIPOORD");
    dishTypes.EnableControls();
}

void SetLookups(TDBGrid& grid, std::initializer_list<const char*> fields, TColumnButtonStyle style, bool editing) {
    for (const char* field : fields) grid.Columns()[IndiceCol(&grid, field)]->SetButtonStyle(style);
    grid.SetOptions(editing ? grid.Options() + dgEditing : grid.Options() - dgEditing);
}

std::string ServiceValue(const TClientDataSet& services, const char* field) {
    return services.FieldByName(field)->AsString();
}

}  // namespace

void TfrmIntegraCardapio::panDatasExit(TComponent*) {
    if (EmptyString(depDestino->Text())) MensErro(msgPadrao->Msg("data_inf"), true);
    cdsTipoPrat->DisableControls();
    bool servicesFrozen = false;
    std::string origin, destination;
    try {
        cdsTipoPrat->SetIndexName("TIPOPRAT");
        if (!cdsServicos->IsEmpty()) {
            cdsServicos->DisableControls();
            servicesFrozen = true;
            origin = ServiceValue(*cdsServicos, "CDSERVFILIORIG");
            destination = ServiceValue(*cdsServicos, "CDSERVFILIDEST");
            // Every row posted would move an entry in each large register of taken dish types.
            HoldRegisters(*cdsTipoPrat);
            krd52100::DishTypeRebuild(*this).AllServices();
            RefillHeldRegisters();
        }
    } catch (...) {
        RefillHeldRegisters();
        RestoreDisplayOrder(*cdsTipoPrat);
        if (servicesFrozen) cdsServicos->EnableControls();
        throw;
    }
    RestoreDisplayOrder(*cdsTipoPrat);
    if (!servicesFrozen) return;
    // Back to the pair the user was on: its origin service tells it apart from other pairs with
    // the same destination (several pairs may have none).
    try {
        cdsServicos->Locate("CDSERVFILIORIG;CDSERVFILIDEST", VarArrayOf({origin, destination}));
        krd52100::ApplyFilter(*cdsTipoPrat, krd52100::PairFilter(ServiceValue(*cdsServicos, "CDSERVFILIORIG"),
                                                                 ServiceValue(*cdsServicos, "CDSERVFILIDEST")));
    } catch (...) {
        cdsServicos->EnableControls();
        throw;
    }
    cdsServicos->EnableControls();
}

void TfrmIntegraCardapio::pgcPadraoChange(TComponent*) {
    lblServAtual->SetCaption(Format(msgPadrao->Msg("de-para"), {ServiceValue(*cdsServicos, "NMSERVICOORIG"),
                                                                ServiceValue(*cdsServicos, "NMSERVICODEST")}));
    if (pgcPadrao->ActivePage() == tshDieta && !cdsServicos->IsEmpty()) {
        krd52100::ApplyFilter(*cdsDietas, krd52100::PairFilter(ServiceValue(*cdsServicos, "CDSERVFILIORIG"),
                                                               ServiceValue(*cdsServicos, "CDSERVFILIDEST")));
        const bool rows = !cdsDietas->IsEmpty();
        SetLookups(*dbgDieta, {"CDDIETORIG", "CDDIETDEST"}, rows ? cbsEllipsis : cbsNone, rows);
    }
    if (pgcPadrao->ActivePage() == tshConfig) {
        krd52100::ApplyFilter(*cdsTipoPrat,
                              krd52100::OriginServiceFilter(ServiceValue(*cdsServicos, "CDSERVFILIORIG")));
        if (cdsTipoPrat->IsEmpty()) {
            SetLookups(*dbgTipoPrat, {"CDTIPOORIG", "CDTIPODEST"}, cbsNone, false);
            return;
        }
        SetLookups(*dbgTipoPrat, {"CDTIPODEST"}, cbsEllipsis, true);
        panDatasExit(panDatas);
    }
}
