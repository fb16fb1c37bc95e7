// The services' export marks: painted as check boxes, changed by double click or Space on a
// row, all at once by the mark column's title or Ctrl+Space, each change posted at once.
#include "screen/TfrmExportaCardapio.h"

#include "CheckBoxPictures.h"
#include "ControlRoutines.h"
#include "TClientDataSet.h"
#include "TColumn.h"
#include "TField.h"
#include "TImage.h"

namespace {

bool IsMarked(const TDataSet& services) { return services.FieldByName("IDEXPORTAR")->AsString() == "S"; }

}  // namespace

void TfrmExportaCardapio::dbgServicosDrawColumnCell(TComponent*, const TRect& Rect, int, TColumn* Column,
                                                    TGridDrawState) {
    if (cdsServicos->IsEmpty() || !Column->Field() || Column->Field()->FieldName() != "IDEXPORTAR") return;
    PaintCheckBox(dbgServicos->Canvas(), Rect, (IsMarked(*cdsServicos) ? imgCheck : imgUncheck)->Bitmap());
}

void TfrmExportaCardapio::ToggleMark() {
    if (!cdsServicos->Active() || cdsServicos->IsEmpty()) return;
    cdsServicos->Edit();
    cdsServicos->FieldByName("IDEXPORTAR")->SetAsString(IsMarked(*cdsServicos) ? "N" : "S");
    cdsServicos->Post();
}

void TfrmExportaCardapio::MarkAll(bool marked) {
    if (!cdsServicos->Active()) return;
    cdsServicos->DisableControls();
    for (cdsServicos->First(); !cdsServicos->Eof(); cdsServicos->Next()) {
        cdsServicos->Edit();
        cdsServicos->FieldByName("IDEXPORTAR")->SetAsString(marked ? "S" : "N");
        cdsServicos->Post();
    }
    cdsServicos->First();
    cdsServicos->EnableControls();
}

void TfrmExportaCardapio::dbgServicosDblClick(TComponent*) { ToggleMark(); }

// Every service marked unmarks them all; otherwise all are marked.
void TfrmExportaCardapio::dbgServicosTitleClick(TColumn* Column) {
    if (!Column->Field() || Column->Field()->FieldName() != "IDEXPORTAR") return;
    MarkAll(MarkedServices().size() != static_cast<size_t>(cdsServicos->RecordCount()));
}

void TfrmExportaCardapio::dbgServicosKeyDown(TComponent*, Word& Key, TShiftState Shift) {
    if (Key != VK_SPACE) return;
    if (Shift.Empty()) ToggleMark();
    if (Shift == TShiftState{ssCtrl})
        dbgServicosTitleClick(dbgServicos->Columns()[IndiceCol(dbgServicos, "IDEXPORTAR")]);
}

std::vector<std::string> TfrmExportaCardapio::MarkedServices() const {
    std::vector<std::string> marked;
    if (!cdsServicos->Active()) return marked;
    cdsServicos->DisableControls();
    const Variant current = cdsServicos->FieldByName("CDSERVFILI")->Value();
    for (cdsServicos->First(); !cdsServicos->Eof(); cdsServicos->Next())
        if (IsMarked(*cdsServicos)) marked.push_back(cdsServicos->FieldByName("CDSERVFILI")->AsString());
    cdsServicos->Locate("CDSERVFILI", current, {});
    cdsServicos->EnableControls();
    return marked;
}

void TfrmExportaCardapio::Vd_Servicos() {
    if (MarkedServices().empty()) Refuse("Serv_Deve", *dbgServicos);
}
