#include "mapping/MappingRoutines.h"

#include "MsgDlg.h"
#include "SysUtils.h"
#include "TCanvas.h"
#include "TDataSet.h"
#include "TDataSource.h"
#include "TextRoutines.h"

namespace krd52100 {

bool IsEditing(const TDataSet& dataSet) { return dataSet.State() == dsEdit || dataSet.State() == dsInsert; }

void ConfirmOrAbort(const std::string& question) {
    if (MessageDlg(question, mtConfirmation, mbYesNo, 0) != mrYes) Abort();
}

void PaintCodeAsName(TDBGrid& grid, const TRect& rect, TGridDrawState state, const TField& code,
                     const TField& name) {
    std::string text;
    if (grid.EditorMode() && state == TGridDrawState{gdSelected})
        text = code.AsString();
    else if (!EmptyString(code.AsString()))
        text = name.AsString();
    grid.Canvas().TextRect(rect, rect.Left + 3, rect.Top + 3, text);
}

void PostOnEnter(TDBGrid& grid, Word key, TShiftState shift) {
    TDataSource* source = grid.DataSource();
    if (!source || key != VK_RETURN || shift == TShiftState{ssCtrl}) return;
    if (source->State() == dsEdit || source->State() == dsInsert) source->DataSet()->Post();
}

bool SelectedFieldIs(const TDBGrid& grid, std::string_view fieldName) {
    const TField* field = grid.SelectedField();
    return field && field->FieldName() == fieldName;
}

}  // namespace krd52100
