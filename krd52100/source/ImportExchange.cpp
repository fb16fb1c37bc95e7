// The exchange with the application server: the load (leaving the filter panel), in which the
// server reads the file and proposes the service, diet and dish-type mappings, and the import
// (the import button), in which the screen sends the mappings back and the server writes the
// menus into the destination branch. boImporta says which one runs.
//
// Controls around an exchange:
//   during the call            import button and file/branch controls disabled
//   completed                  controls enabled; import button only when the current service
//                              pair has a destination; services grid read-only
//   failed or period conflict  controls enabled; import button enabled only while the tables
//                              still match the file and branch (after a failed import, not
//                              after a failed load); services grid unchanged
#include "screen/TfrmIntegraCardapio.h"

#include "module/ModuleEntry.h"
#include "server/IntegraCardapioServer.h"
#include "server/PayloadShape.h"

#include "BusyIndicator.h"
#include "ControlRoutines.h"
#include "ErrorReporting.h"
#include "Format.h"
#include "FormatSettings.h"
#include "MsgDlg.h"
#include "Session.h"
#include "TClientDataSet.h"
#include "TColumn.h"
#include "TField.h"
#include "TMaskEdit.h"
#include "TMessages.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TTabSheet98.h"
#include "TextRoutines.h"

namespace {

// Positions in the exchange result.
enum ExchangeResult { kStatus, kBoundaryDate, kServices, kDiets, kDishTypes, kOriginServices, kOriginDiets,
                      kOriginDishTypes };

// The controls an exchange locks, so that neither the file nor the branch changes while the
// server works, and unlocks once, whichever way the exchange ends. Once only: unlocking the
// panel a second time would find nothing remembered and enable the controls the screen keeps
// disabled on purpose (the branch name; the branch code in branch mode).
class ExchangeControls {
public:
    explicit ExchangeControls(TfrmIntegraCardapio& screen) : screen_(screen) {
        screen_.sbtImportExport->SetEnabled(false);
        SetChildEnabled(screen_.panFiltro, false);
    }

    void Unlock(bool importEnabled) {
        if (!locked_) return;
        locked_ = false;
        screen_.sbtImportExport->SetEnabled(importEnabled);
        SetChildEnabled(screen_.panFiltro, true);
        screen_.tshPadrao->SetTabVisible(true);
    }

private:
    TfrmIntegraCardapio& screen_;
    bool locked_ = true;
};

// Posting stores the file name as the one to offer next time (cdsDiretorio's post handlers).
void RememberFileName(TClientDataSet& directory) {
    if (directory.State() != dsEdit && directory.State() != dsInsert) directory.Edit();
    directory.Post();
}

// The service pairs an exchange leaves are shown without lookup buttons and are not typed over
// in the grid.
void MakeReadOnly(TDBGrid& grid) {
    for (const char* field : {"CDSERVFILIORIG", "CDSERVFILIDEST"})
        if (const int column = IndiceCol(&grid, field); column >= 0) grid.Columns()[column]->SetButtonStyle(cbsNone);
    TDBGridOptions options = grid.Options();
    options.Exclude(dgEditing);
    grid.SetOptions(options);
}

}  // namespace

// The import sends the three tables as they stand and does not clear them: a second click
// imports them again. Tables loaded for another file or branch are nothing to import.
void TfrmIntegraCardapio::sbtImportExportClick(TComponent*) {
    if (!TablesMatchFilter() || cdsServicos->IsEmpty()) MensErro(msgPadrao->Msg("N_DADOS"), true);
    boImporta = true;
    ImportaCardapio();
}

void TfrmIntegraCardapio::ImportaCardapio() {
    ExchangeControls controls(*this);
    try {
        RememberFileName(*cdsDiretorio);

        Variant result;
        ActiveShowAvi(this, 6, msgPadrao->Msg("Carregando"));
        try {
            // Data is every row, whatever filter the mapping grids have on the tables.
            const bool import = boImporta;
            result = Server().ImportaCardapio(medNmArquivo->Text(), Operador(), medCdFilial->Text(),
                                              import ? cdsServicos->GetData() : Variant(),
                                              import ? cdsDietas->GetData() : Variant(),
                                              import ? cdsTipoPrat->GetData() : Variant());
        } catch (...) {
            DeactiveShowAvi(this);
            throw;
        }
        DeactiveShowAvi(this);

        const std::string status = result[kStatus].AsString();
        if (krd52100::IsPeriodConflict(status)) {
            controls.Unlock(TablesMatchFilter());
            const TDateTime boundary = result[kBoundaryDate].AsDate();
            const bool start = status == "ERRO_INTERVALO_INI";
            const TDateTime neighbour = start ? boundary - 1 : boundary + 1;
            MensErro(Format(msgPadrao->Msg(start ? "Dt_Periodo_Ini" : "Dt_Periodo_Fin"),
                            {DateToStr(boundary), DateToStr(neighbour)}),
                     true);
        }
        if (status == "OK" && boImporta)
            MessageDlg(msgPadrao->Msg("IMPO_SUCESSO"), mtInformation, TMsgDlgButtons{mbOK}, 1);

        if (!boImporta) {
            cdsServicos->SetData(result[kServices]);
            cdsDietas->SetData(result[kDiets]);
            cdsTipoPrat->SetData(result[kDishTypes]);
            cdsServOrigem->SetData(result[kOriginServices]);
            cdsDietaOrig->SetData(result[kOriginDiets]);
            cdsTipoPratOrig->SetData(result[kOriginDishTypes]);
            RebuildTakenRegisters();
            RememberLoadedTables();
        }
        MakeReadOnly(*dbgPadrao);
        controls.Unlock(TablesMatchFilter() && !EmptyString(cdsServicos->FieldByName("CDSERVFILIDEST")->AsString()));
    } catch (...) {
        // Any end leaves the file and branch controls usable, an unexpected answer included.
        controls.Unlock(TablesMatchFilter());
        throw;
    }
}
