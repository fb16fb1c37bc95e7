// The dish types of the current service pair: the checks of a row's origin and destination dish
// type, the destination lookup, and the events of cdsTipoPrat that keep the two registers of
// taken dish types in step.
//
// Registers (mapping/TakenRegisters.h): cdsTipoPratOrigAux holds (origin service, sequence,
// origin dish type) and cdsTipoPratDest (destination service, destination dish type, sequence)
// of every posted row marked for import, so that one dish type of the configuration receives
// the menus of one origin dish type only.
//
// The two validators carry crossed names, and the grid's column exit calls them crossed:
// leaving the origin column checks the destination (Vd_TipoPratOrig), leaving the destination
// column checks the origin (Vd_TipoPratDest).
#include "screen/TfrmIntegraCardapio.h"

#include "BusyScope.h"
#include "mapping/MappingRoutines.h"
#include "module/ModuleEntry.h"
#include "server/IntegraCardapioServer.h"

#include "ErrorReporting.h"
#include "Format.h"
#include "LookupDialog.h"
#include "SysUtils.h"
#include "TDateEditPlus.h"
#include "TApplication.h"
#include "TClientDataSet.h"
#include "TMaskEdit.h"
#include "TMessages.h"
#include "TextRoutines.h"

using krd52100::FocusOnFailure;
using krd52100::IsEditing;

namespace {

constexpr const char* kOriginKey = "CDSERVFILI;NRSEQCNFMES;CDTIPOPRAT";
constexpr const char* kDestinationKey = "CDSERVFILI;CDTIPOPRAT;NRSEQDEST";

std::string ValueOf(const TDataSet& dataSet, const char* field) { return dataSet.FieldByName(field)->AsString(); }

Variant FieldValue(const TDataSet& dataSet, const char* field) { return dataSet.FieldByName(field)->Value(); }

}  // namespace

void TfrmIntegraCardapio::Vd_TipoPratDest(bool flag) {
    TField& origin = *cdsTipoPrat->FieldByName("CDTIPOORIG");
    FocusOnFailure(origin, [&] {
        if (EmptyString(origin.AsString())) {
            if (flag) MensErro(Format(msgPadrao->Msg("deve_inf"), {msgPadrao->Msg("tipoorig")}), true);
            return;
        }
        if (!IsEditing(*cdsTipoPrat)) return;
        origin.SetAsString(Ajusta(origin.AsString(), 2));
        const std::string service = ValueOf(*cdsServicos, "CDSERVFILIORIG");
        if (!cdsTipoPratOrig->Locate("CDSERVFILI;CDTIPOPRAT", VarArrayOf({service, origin.AsString()}),
                                     loCaseInsensitive))
            MensErro(msgPadrao->Msg("tp_n_exp"), true);
        if (cdsTipoPratOrigAux->Locate(kOriginKey,
                                       VarArrayOf({service, FieldValue(*cdsTipoPrat, "NRSEQORIG"), origin.Value()}),
                                       loCaseInsensitive))
            MensErro(msgPadrao->Msg("tporig_ja_cad"), true);
        cdsTipoPrat->FieldByName("CDSERVORIG")->SetAsString(service);
        cdsTipoPrat->FieldByName("NMTIPOORIG")->SetValue(FieldValue(*cdsTipoPratOrig, "NMTIPOPRAT"));
    });
    Accepted(origin);
}

void TfrmIntegraCardapio::Vd_TipoPratOrig(bool flag) {
    TField& destination = *cdsTipoPrat->FieldByName("CDTIPODEST");
    FocusOnFailure(destination, [&] {
        if (EmptyString(destination.AsString())) {
            if (flag) MensErro(Format(msgPadrao->Msg("deve_inf"), {msgPadrao->Msg("tipodest")}), true);
            return;
        }
        if (!IsEditing(*cdsTipoPrat)) return;
        destination.SetAsString(Ajusta(destination.AsString(), 2));
        cdsTipoPrat->FieldByName("NRSEQDEST")->SetValue(FieldValue(*cdsTipoPrat, "NRSEQORIG"));
        cdsTipoPrat->FieldByName("NRORDDEST")->SetValue(FieldValue(*cdsTipoPrat, "NRORDORIG"));
        const std::string service = ValueOf(*cdsServicos, "CDSERVFILIDEST");
        {
            BusyScope busy(Application);
            cdsPesqTipoPratAux->SetData(Server().GetVd_TipoPratOrig(
                medCdFilial->Text(), service, ValueOf(*cdsDietas, "CDDIETDEST"), depDestino->PrimDia()));
        }
        // The answer lists every dish type of the destination service's configuration: the code
        // under check is registered when it is among them, and its own row gives the name.
        if (!cdsPesqTipoPratAux->Locate("CDTIPOPRAT", destination.Value(), loCaseInsensitive))
            MensErro(msgPadrao->Msg("tp_n_cad"), true);
        cdsTipoPrat->FieldByName("CDSERVDEST")->SetAsString(service);
        cdsTipoPrat->FieldByName("NMTIPODEST")->SetValue(FieldValue(*cdsPesqTipoPratAux, "NMTIPOPRAT"));
        if (cdsTipoPratDest->Locate(
                kDestinationKey,
                VarArrayOf({service, destination.Value(), FieldValue(*cdsTipoPrat, "NRSEQDEST")}),
                loCaseInsensitive))
            MensErro(Format(msgPadrao->Msg("ja_cad"), {msgPadrao->Msg("tipodest")}), true);
    });
    Accepted(destination);
}

void TfrmIntegraCardapio::dbgTipoPratColExit(TComponent*) {
    if (krd52100::SelectedFieldIs(*dbgTipoPrat, "CDTIPOORIG")) Vd_TipoPratOrig(false);
    if (krd52100::SelectedFieldIs(*dbgTipoPrat, "CDTIPODEST")) Vd_TipoPratDest(false);
}

// A dish type chosen in the lookup goes into the row as the server lists it, and the row is left
// in edit state for the user to post or cancel; the post checks it.
void TfrmIntegraCardapio::dbgTipoPratEditButtonClick(TComponent*) {
    if (!krd52100::SelectedFieldIs(*dbgTipoPrat, "CDTIPODEST")) return;
    {
        BusyScope busy(Application);
        cdsPesqTipoPrat->SetData(Server().GetPesqTipoPrat(
            medCdFilial->Text(), ValueOf(*cdsServicos, "CDSERVFILIDEST"), depDestino->PrimDia()));
    }
    if (!Pesquisar(dtsPesqTipoPrat, msgPadrao->Msg("tipodest"), false, true)) return;
    if (cdsTipoPrat->State() == dsBrowse) cdsTipoPrat->Edit();
    if (!IsEditing(*cdsTipoPrat)) return;
    cdsTipoPrat->FieldByName("CDTIPODEST")->SetValue(FieldValue(*cdsPesqTipoPrat, "CDTIPOPRAT"));
    cdsTipoPrat->FieldByName("NMTIPODEST")->SetValue(FieldValue(*cdsPesqTipoPrat, "NMTIPOPRAT"));
    cdsTipoPrat->FieldByName("NRSEQDEST")->SetValue(FieldValue(*cdsTipoPrat, "NRSEQORIG"));
    cdsTipoPrat->FieldByName("NRORDDEST")->SetValue(FieldValue(*cdsTipoPrat, "NRORDORIG"));
    uncheckedCodes.insert(cdsTipoPrat->FieldByName("CDTIPODEST"));
}

// "Sim" and "Não" for the option flag. A value the catalogue has no text for shows as it stands:
// painting a row must not fail over one odd flag.
void TfrmIntegraCardapio::cdsTipoPratIDOPCORIGGetText(TField* Sender, std::string& Text, bool) {
    const std::string value = Sender->AsString();
    Text = msgPadrao->Contains(value) && !value.empty() ? msgPadrao->Msg(value) : value;
}

// The rows are the origin's configuration as the file carries it: none is added on the screen.
void TfrmIntegraCardapio::cdsTipoPratBeforeInsert(TDataSet*) { Abort(); }

// Dish-type codes are checked when the focus leaves their column; a post checks those typed or
// picked since.
void TfrmIntegraCardapio::cdsTipoPratBeforePost(TDataSet*) {
    if (Unchecked(*cdsTipoPrat, "CDTIPOORIG")) Vd_TipoPratDest(false);
    if (Unchecked(*cdsTipoPrat, "CDTIPODEST")) Vd_TipoPratOrig(false);
    RowPosting(*cdsTipoPrat);
}

void TfrmIntegraCardapio::cdsTipoPratAfterPost(TDataSet*) { RowPosted(*cdsTipoPrat); }

// The row releases its own entries, so that keeping its dish types passes the checks.
void TfrmIntegraCardapio::cdsTipoPratBeforeEdit(TDataSet*) { RowEditStarts(*cdsTipoPrat); }

void TfrmIntegraCardapio::cdsTipoPratBeforeCancel(TDataSet*) {
    krd52100::ConfirmOrAbort(msgPadrao->Msg("canc"));
    RowCancelling(*cdsTipoPrat);
}

void TfrmIntegraCardapio::cdsTipoPratAfterCancel(TDataSet*) { RowCancelled(*cdsTipoPrat); }

// Rows go only with a new load, or once the import button has been pressed.
void TfrmIntegraCardapio::cdsTipoPratBeforeDelete(TDataSet*) {
    if (!boImporta) Abort();
    RowDeleting(*cdsTipoPrat);
}

void TfrmIntegraCardapio::cdsTipoPratAfterDelete(TDataSet*) { RowDeleted(*cdsTipoPrat); }
