// The service pairs: the checks of an origin and a destination service, the table's events, the
// status line and the narrowing of the diet and dish-type tables to the current pair, and the
// lock of the screen while any mapping row is being edited.
//
// cdsServDestino registers the destination services that posted rows hold (mapping/
// TakenRegisters.h), so that one destination service takes the menus of one origin service only:
// two origin services' menus written into one destination service would be mixed slot by slot.
#include "screen/TfrmIntegraCardapio.h"

#include "BusyScope.h"
#include "mapping/MappingRoutines.h"
#include "mapping/PairFilter.h"
#include "module/ModuleEntry.h"
#include "server/IntegraCardapioServer.h"

#include "ControlRoutines.h"
#include "ErrorReporting.h"
#include "Format.h"
#include "LookupDialog.h"
#include "Session.h"
#include "TApplication.h"
#include "TClientDataSet.h"
#include "TCustomPageControl98.h"
#include "TDataSource.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TMessages.h"
#include "TSpeedButton.h"
#include "TTabSheet98.h"
#include "TextRoutines.h"

using krd52100::FocusOnFailure;
using krd52100::IsEditing;

void TfrmIntegraCardapio::Vd_CdServOrigem(bool flag) {
    TField& origin = *cdsServicos->FieldByName("CDSERVFILIORIG");
    FocusOnFailure(origin, [&] {
        if (EmptyString(origin.AsString())) {
            if (flag) MensErro(msgPadrao->Msg("Serv_Orig_Deve"), true);
            return;
        }
        if (!IsEditing(*cdsServicos)) return;
        origin.SetAsString(Ajusta(origin.AsString(), 5));
        if (!cdsServOrigem->Locate("CDSERVFILI", origin.Value(), loCaseInsensitive))
            MensErro(msgPadrao->Msg("Serv_Nao_Cad"), true);
        // The code as the file writes it replaces the code as typed.
        origin.SetValue(cdsServOrigem->FieldByName("CDSERVFILI")->Value());
        cdsServicos->FieldByName("NMSERVICOORIG")->SetValue(cdsServOrigem->FieldByName("NMSERVICO")->Value());
    });
    Accepted(origin);
}

void TfrmIntegraCardapio::Vd_CdServDestino(bool flag) {
    TField& destination = *cdsServicos->FieldByName("CDSERVFILIDEST");
    FocusOnFailure(destination, [&] {
        if (EmptyString(destination.AsString())) {
            if (flag) MensErro(msgPadrao->Msg("Serv_Dest_Deve"), true);
            return;
        }
        if (!IsEditing(*cdsServicos)) return;
        destination.SetAsString(Ajusta(destination.AsString(), 5));
        if (cdsServDestino->Locate("CDSERVFILI", destination.Value(), loCaseInsensitive))
            MensErro(msgPadrao->Msg("Serv_Ja_Cad"), true);
        Variant answer;
        {
            BusyScope busy(Application);
            answer = Server().GetVd_Serv(medCdFilial->Text(), destination.AsString(), "", "T", _SiglaModulo());
        }
        cdsPesqServicoAux->SetData(answer[0]);
        cdsPesqDietServAux->SetData(answer[1]);
        if (cdsPesqServicoAux->IsEmpty()) MensErro(msgPadrao->Msg("Serv_Dest_Cad"), true);
        destination.SetValue(cdsPesqServicoAux->FieldByName("CDSERVFILI")->Value());
        cdsServicos->FieldByName("NMSERVICODEST")->SetValue(cdsPesqServicoAux->FieldByName("NMSERVICO")->Value());
        if (cdsPesqDietServAux->IsEmpty() && _SiglaModulo() == "VUQ") MensErro(msgPadrao->Msg("nao_ha_dieta"), true);
    });
    Accepted(destination);
}

// Rows are checked whole only once the user has pressed the import button since the last load:
// the proposal of a load is taken as it comes. A code typed or picked since is checked always.
void TfrmIntegraCardapio::cdsServicosBeforePost(TDataSet*) {
    if (boImporta) {
        Vd_CdServOrigem(!EmptyString(cdsServicos->FieldByName("CDSERVFILIDEST")->AsString()));
        Vd_CdServDestino(!EmptyString(cdsServicos->FieldByName("CDSERVFILIORIG")->AsString()));
    }
    if (Unchecked(*cdsServicos, "CDSERVFILIORIG")) Vd_CdServOrigem(false);
    if (Unchecked(*cdsServicos, "CDSERVFILIDEST")) Vd_CdServDestino(false);
    RowPosting(*cdsServicos);
}

void TfrmIntegraCardapio::cdsServicosAfterPost(TDataSet*) { RowPosted(*cdsServicos); }

void TfrmIntegraCardapio::cdsServicosBeforeEdit(TDataSet*) { RowEditStarts(*cdsServicos); }

void TfrmIntegraCardapio::cdsServicosBeforeCancel(TDataSet*) {
    krd52100::ConfirmOrAbort(msgPadrao->Msg("canc"));
    RowCancelling(*cdsServicos);
}

void TfrmIntegraCardapio::cdsServicosAfterCancel(TDataSet*) { RowCancelled(*cdsServicos); }

void TfrmIntegraCardapio::cdsServicosBeforeDelete(TDataSet*) { RowDeleting(*cdsServicos); }

void TfrmIntegraCardapio::cdsServicosAfterDelete(TDataSet*) { RowDeleted(*cdsServicos); }

void TfrmIntegraCardapio::cdsServicosAfterOpen(TDataSet*) {
    lblServAtual->SetCaption(Format(msgPadrao->Msg("de-para"), {cdsServicos->FieldByName("NMSERVICOORIG")->Value(),
                                                                cdsServicos->FieldByName("NMSERVICODEST")->Value()}));
}

void TfrmIntegraCardapio::cdsServicosAfterScroll(TDataSet* DataSet) {
    const bool pair = !cdsServicos->IsEmpty();
    for (const char* field : {"CDDIETORIG", "CDDIETDEST"})
        dbgDieta->Columns()[IndiceCol(dbgDieta, field)]->SetButtonStyle(pair ? cbsEllipsis : cbsNone);
    dbgDieta->SetOptions(pair ? dbgDieta->Options() + dgEditing : dbgDieta->Options() - dgEditing);
    if (!pair) {
        lblServAtual->SetCaption("");
        return;
    }
    cdsServicosAfterOpen(DataSet);

    // While the services tab is shown the dependent tables keep their filter; the tab change
    // narrows them when their tab comes up.
    const std::string filter = krd52100::PairFilter(cdsServicos->FieldByName("CDSERVFILIORIG")->AsString(),
                                                    cdsServicos->FieldByName("CDSERVFILIDEST")->AsString());
    if (pgcPadrao->ActivePage() == tshDieta) krd52100::ApplyFilter(*cdsDietas, filter);
    if (pgcPadrao->ActivePage() == tshConfig) krd52100::ApplyFilter(*cdsTipoPrat, filter);
}

void TfrmIntegraCardapio::dbgPadraoColExit(TComponent*) {
    if (krd52100::SelectedFieldIs(*dbgPadrao, "CDSERVFILIORIG")) Vd_CdServOrigem(false);
    if (krd52100::SelectedFieldIs(*dbgPadrao, "CDSERVFILIDEST")) Vd_CdServDestino(false);
}

void TfrmIntegraCardapio::dbgPadraoDrawColumnCell(TComponent*, const TRect& Rect, int DataCol, TColumn*,
                                                  TGridDrawState State) {
    if (cdsServicos->IsEmpty()) return;
    if (DataCol == IndiceCol(dbgPadrao, "CDSERVFILIDEST"))
        krd52100::PaintCodeAsName(*dbgPadrao, Rect, State, *cdsServicos->FieldByName("CDSERVFILIDEST"),
                                  *cdsServicos->FieldByName("NMSERVICODEST"));
    if (DataCol == IndiceCol(dbgPadrao, "CDSERVFILIORIG"))
        krd52100::PaintCodeAsName(*dbgPadrao, Rect, State, *cdsServicos->FieldByName("CDSERVFILIORIG"),
                                  *cdsServicos->FieldByName("NMSERVICOORIG"));
}

// Only the destination has a lookup: the origin services are those of the file. The chosen
// service is posted at once, and the post checks it like a typed one.
void TfrmIntegraCardapio::dbgPadraoEditButtonClick(TComponent*) {
    if (!krd52100::SelectedFieldIs(*dbgPadrao, "CDSERVFILIDEST")) return;
    {
        BusyScope busy(Application);
        cdsPesqServico->SetData(Server().GetPesqServ(medCdFilial->Text()));
    }
    if (!Pesquisar(dtsPesqServico, msgPadrao->Msg("Serv"), false, true)) return;
    if (cdsServicos->State() == dsBrowse) cdsServicos->Edit();
    cdsServicos->FieldByName("CDSERVFILIDEST")->SetValue(cdsPesqServico->FieldByName("CDSERVFILI")->Value());
    cdsServicos->FieldByName("NMSERVICODEST")->SetValue(cdsPesqServico->FieldByName("NMSERVICO")->Value());
    uncheckedCodes.insert(cdsServicos->FieldByName("CDSERVFILIDEST"));
    cdsServicos->Post();
}

void TfrmIntegraCardapio::dbgPadraoKeyDown(TComponent*, Word& Key, TShiftState Shift) {
    krd52100::PostOnEnter(*dbgPadrao, Key, Shift);
}

// Shared by the data sources of the three mapping tables: only the one that changed is looked at.
// The import and the tabs of the diets and dish types open only for tables that match the file
// and branch shown: closing the tables (entering the file name) must not open them.
void TfrmIntegraCardapio::dtsServicosStateChange(TDataSource* Sender) {
    const bool free = Sender->State() != dsEdit && Sender->State() != dsInsert;
    const bool importable = free && TablesMatchFilter();
    sbtImportExport->SetEnabled(importable);
    sbtSair->SetEnabled(free);
    // The configuration tab counts as the active one whenever neither of the others is.
    TTabSheet* active = pgcPadrao->ActivePage();
    if (active != tshPadrao && active != tshDieta) active = tshConfig;
    for (TTabSheet98* tab : {tshPadrao, tshDieta, tshConfig})
        if (tab != active) tab->SetEnabled(tab == tshPadrao ? free : importable);
}
