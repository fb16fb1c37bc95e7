#include "TDBGrid.h"

#include "MsgDlg.h"
#include "TDataSet.h"
#include "TDataSource.h"
#include "TField.h"
#include "TForm.h"
#include "TInplaceEdit.h"
#include "Text.h"

#include <algorithm>

namespace {

constexpr const char* deleteRecordQuestion = "Delete record?";

} // namespace

TDBGrid::TDBGrid(TComponent* owner) : TWinControl(owner), link_(*this), columns_(*this) {
    SetTabStop(true);
    SetColor(clWindow);
    editor_ = new TInplaceEdit(*this);
}

TDBGrid::~TDBGrid() = default;

TDataSource* TDBGrid::DataSource() const { return link_.DataSource(); }

void TDBGrid::SetDataSource(TDataSource* source) {
    link_.SetDataSource(source);
    LinkActiveChanged();
}

TDataSet* TDBGrid::DataSet() const { return link_.DataSet(); }

void TDBGrid::SetOptions(TDBGridOptions options) {
    options_ = options;
    if (!options_.Contains(dgEditing) || options_.Contains(dgRowSelect)) HideEditor();
    Changed(TControlChange::State);
    Invalidate();
}

TField* TDBGrid::SelectedField() const {
    if (selectedIndex_ < 0 || selectedIndex_ >= columns_.Count()) return nullptr;
    return columns_[selectedIndex_]->Field();
}

void TDBGrid::SetSelectedIndex(int index) { MoveColumn(index); }

void TDBGrid::SetSelectedField(TField* field) {
    for (int i = 0; field && i < columns_.Count(); ++i)
        if (columns_[i]->Visible() && columns_[i]->Field() == field) {
            MoveColumn(i);
            return;
        }
}

void TDBGrid::SetEditorMode(bool mode) {
    if (mode)
        ShowEditor();
    else
        HideEditor();
}

int TDBGrid::VisibleRowCount() const {
    return std::max(1, (Height() - TitleHeight()) / (RowTop(1) - RowTop(0)));
}

// ---- data link

void TDBGrid::LinkActiveChanged() {
    columns_.RebuildDefault();
    editorModified_ = false;
    if (!link_.Active()) topRow_ = 0;
    SyncTopRow();
    UpdateEditor();
    Invalidate();
}

void TDBGrid::LinkStateChanged() {
    if (!link_.Editing()) editorModified_ = false;
    UpdateEditor();
    Invalidate();
}

void TDBGrid::LinkRecordMoved() {
    editorModified_ = false;
    SyncTopRow();
    UpdateEditor();
    Invalidate();
}

void TDBGrid::LinkRecordChanged(TField* field) {
    if (!editorModified_ && (!field || field == SelectedField())) UpdateEditor();
    Invalidate();
}

bool TDBGrid::LinkFocusControl(TField* field) {
    int index = -1;
    for (int i = columns_.Count() - 1; i >= 0; --i)
        if (columns_[i]->Visible() && columns_[i]->Field() == field) index = i;
    if (index < 0) return false;
    MoveColumn(index);
    TForm* form = ParentForm();
    if (CanFocus() && form && form->Visible()) {
        SetFocus();
        ShowEditor();
    }
    return true;
}

void TDBGrid::ColumnsChanged() {
    if (selectedIndex_ < 0 || selectedIndex_ >= columns_.Count() || !columns_[selectedIndex_]->Visible())
        selectedIndex_ = NextVisibleColumn(-1, 1);
    Invalidate();
}

void TDBGrid::Resized() {
    SyncTopRow();
    TWinControl::Resized();
}

void TDBGrid::SyncTopRow() {
    TDataSet* dataSet = DataSet();
    if (!link_.Active() || !dataSet) return;
    int visible = VisibleRowCount();
    int current = dataSet->CurrentDisplayRow();
    if (current >= 0 && current < topRow_) topRow_ = current;
    if (current >= topRow_ + visible) topRow_ = current - visible + 1;
    topRow_ = std::clamp(topRow_, 0, std::max(0, dataSet->DisplayRowCount() - visible));
}

// ---- the in-place editor

bool TDBGrid::Editable() const {
    return options_.Contains(dgEditing) && !ReadOnly && link_.Active() && !DataSet()->ReadOnly();
}

bool TDBGrid::HasFocus() const { return Focused() || editor_->Focused(); }

bool TDBGrid::CanEditShow() const {
    return options_.Contains(dgEditing) && !options_.Contains(dgRowSelect) && link_.Active() && SelectedField() &&
           (HasFocus() || options_.Contains(dgAlwaysShowEditor));
}

bool TDBGrid::CanEditModify() {
    if (ReadOnly || !link_.Active() || DataSet()->ReadOnly()) return false;
    TField* field = SelectedField();
    if (!field || field->ReadOnly() || columns_[selectedIndex_]->ReadOnly()) return false;
    return link_.Edit();
}

void TDBGrid::ShowEditor() {
    editorMode_ = true;
    UpdateEditor();
}

void TDBGrid::HideEditor() {
    editorMode_ = false;
    UpdateEditor();
}

void TDBGrid::UpdateEditor() {
    if (!editorMode_ || !CanEditShow()) {
        if (!editor_->Visible()) return;
        bool hadFocus = editor_->Focused();
        editor_->SetVisible(false);
        if (hadFocus) ParentForm()->SetActiveControl(this);
        Invalidate();
        return;
    }
    TDataSet* dataSet = DataSet();
    TRect cell = CellRect(selectedIndex_, dataSet->CurrentDisplayRow() - topRow_);
    editor_->SetBounds(cell.Left, cell.Top, cell.Width(), cell.Height());
    if (!editorModified_) editor_->Load(SelectedField()->Text());
    if (!editor_->Visible()) {
        editor_->SetVisible(true);
        editor_->SelectAll();
    }
    if (Focused()) editor_->SetFocus();
}

void TDBGrid::UpdateData() {
    if (!editorModified_) return;
    if (TField* field = SelectedField()) field->SetText(editor_->Text());
    editorModified_ = false;
    UpdateEditor();
}

void TDBGrid::ResetEditor() {
    if (editorModified_) {
        editorModified_ = false;
        UpdateEditor();
    } else if (link_.Editing()) {
        DataSet()->Cancel();
    }
}

bool TDBGrid::EditorHandsKeyToGrid(Word key, TShiftState shift) const {
    int length = static_cast<int>(Utf8Length(editor_->Text()));
    int start = editor_->SelStart();
    int end = start + editor_->SelLength();
    bool leftSide = start == 0 && (end == 0 || end == length);
    bool rightSide = (start == 0 || end == start) && end == length;
    bool edgeMoves = options_.Contains(dgAlwaysShowEditor);
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: return true;
    case VK_TAB: return !shift.Contains(ssAlt);
    case VK_INSERT: return shift.Empty();
    case VK_DELETE: return shift.Contains(ssCtrl);
    case VK_LEFT:
    case VK_HOME: return edgeMoves && leftSide;
    case VK_RIGHT:
    case VK_END: return edgeMoves && rightSide;
    }
    return false;
}

// ---- columns

int TDBGrid::NextVisibleColumn(int from, int step) const {
    for (int i = from + step; i >= 0 && i < columns_.Count(); i += step)
        if (columns_[i]->Visible()) return i;
    return -1;
}

void TDBGrid::MoveColumn(int index) {
    if (index == selectedIndex_ || index < 0 || index >= columns_.Count()) return;
    UpdateData();
    unsigned move = ++columnMoves_;
    // A move that OnColExit makes itself (a failing check sending the focus to its own column)
    // does not run OnColExit again, as the platform's grid does: otherwise a check that fails
    // on leaving a column and focuses another one would run again, and again.
    if (OnColExit && !inColExit_) {
        inColExit_ = true;
        try {
            OnColExit(this);
        } catch (...) {
            inColExit_ = false;
            throw;
        }
        inColExit_ = false;
    }
    if (move != columnMoves_) return;
    selectedIndex_ = index;
    UpdateEditor();
    Invalidate();
    if (OnColEnter) OnColEnter(this);
}

// ---- keys

bool TDBGrid::WantsKey(Word key, TShiftState) const { return key != VK_TAB || options_.Contains(dgTabs); }

void TDBGrid::KeyAction(Word& key, TShiftState shift) {
    if (!link_.Active()) return;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: RowKey(key, shift); break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END: ColumnKey(key, shift); break;
    case VK_TAB:
        if (options_.Contains(dgTabs) && !shift.Contains(ssAlt)) TabKey(shift.Contains(ssShift));
        break;
    case VK_INSERT:
        if (shift.Empty() && Editable()) DataSet()->Insert();
        break;
    case VK_DELETE:
        if (shift.Contains(ssCtrl)) DeleteKey();
        break;
    case VK_ESCAPE:
        ResetEditor();
        if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
        break;
    case VK_F2: ShowEditor(); break;
    }
}

void TDBGrid::MoveRows(int distance) {
    if (distance != 0) DataSet()->MoveBy(distance);
}

void TDBGrid::RowKey(Word key, TShiftState shift) {
    TDataSet* dataSet = DataSet();
    int current = dataSet->CurrentDisplayRow();
    int lastShown = std::min(topRow_ + VisibleRowCount(), dataSet->DisplayRowCount()) - 1;
    bool ctrl = shift.Contains(ssCtrl);
    if (ctrl && (key == VK_UP || key == VK_PRIOR)) return MoveRows(topRow_ - current);
    if (ctrl && (key == VK_DOWN || key == VK_NEXT)) return MoveRows(lastShown - current);
    switch (key) {
    case VK_UP: UpKey(); break;
    case VK_DOWN: DownKey(); break;
    case VK_PRIOR: MoveRows(-VisibleRowCount()); break;
    case VK_NEXT: MoveRows(VisibleRowCount()); break;
    }
}

void TDBGrid::ColumnKey(Word key, TShiftState shift) {
    TDataSet* dataSet = DataSet();
    bool ctrl = shift.Contains(ssCtrl);
    bool rowSelect = options_.Contains(dgRowSelect);
    int first = NextVisibleColumn(-1, 1);
    int last = NextVisibleColumn(columns_.Count(), -1);
    bool wholeRows = rowSelect || first == last;
    switch (key) {
    case VK_LEFT:
        if (rowSelect) return dataSet->Prior();
        return MoveColumn(NextVisibleColumn(selectedIndex_, -1));
    case VK_RIGHT:
        if (rowSelect) return dataSet->Next();
        return MoveColumn(NextVisibleColumn(selectedIndex_, 1));
    case VK_HOME:
        if (ctrl || wholeRows) return dataSet->First();
        return MoveColumn(first);
    case VK_END:
        if (ctrl || wholeRows) return dataSet->Last();
        return MoveColumn(last);
    }
}

bool TDBGrid::UnmodifiedInsert() const {
    TDataSet* dataSet = DataSet();
    return dataSet->State() == dsInsert && !dataSet->Modified() && !editorModified_;
}

void TDBGrid::UpKey() {
    TDataSet* dataSet = DataSet();
    if (UnmodifiedInsert() && dataSet->Eof())
        dataSet->Cancel();
    else
        dataSet->Prior();
}

void TDBGrid::DownKey() {
    TDataSet* dataSet = DataSet();
    if (UnmodifiedInsert()) {
        if (!dataSet->Eof()) dataSet->Cancel();
        return;
    }
    dataSet->Next();
    if (dataSet->Eof() && Editable()) dataSet->Append();
}

void TDBGrid::TabKey(bool backwards) {
    int next = NextVisibleColumn(selectedIndex_, backwards ? -1 : 1);
    if (next < 0) {
        // Past the last column: the next row (which may append), first column; and back.
        if (backwards)
            UpKey();
        else
            DownKey();
        next = backwards ? NextVisibleColumn(columns_.Count(), -1) : NextVisibleColumn(-1, 1);
    }
    MoveColumn(next);
}

void TDBGrid::DeleteKey() {
    TDataSet* dataSet = DataSet();
    if (!Editable() || dataSet->IsEmpty()) return;
    if (options_.Contains(dgConfirmDelete) &&
        MessageDlg(deleteRecordQuestion, mtConfirmation, mbOKCancel, 0) == mrCancel)
        return;
    dataSet->Delete();
}

void TDBGrid::KeyPress(char& key) {
    if (key == '\r' && !options_.Contains(dgAlwaysShowEditor)) UpdateData();
    TWinControl::KeyPress(key);
}

void TDBGrid::CharAction(char& key) {
    if (key == '\r') {
        if (!options_.Contains(dgAlwaysShowEditor)) SetEditorMode(!editorMode_);
        key = '\0';
        return;
    }
    bool typing = key == '\b' || static_cast<unsigned char>(key) >= ' ';
    if (!typing || editor_->Focused()) return;
    // The first character opens the editor on the current cell and goes on to it.
    ShowEditor();
    char typed = key;
    key = '\0';
    if (editor_->Visible()) editor_->KeyPress(typed);
}

// ---- focus

void TDBGrid::DoEnter() {
    TWinControl::DoEnter();
    UpdateEditor();
    Invalidate();
}

void TDBGrid::DoExit() {
    try {
        if (UnmodifiedInsert() && options_.Contains(dgCancelOnExit))
            DataSet()->Cancel();
        else
            UpdateData();
    } catch (...) {
        SetFocus();
        throw;
    }
    UpdateEditor();
    TWinControl::DoExit();
    Invalidate();
}

// ---- mouse

void TDBGrid::MouseDownCell(int column, int visibleRow) {
    if (!HasFocus()) {
        SetFocus();
        if (!HasFocus()) return;
    }
    TDataSet* dataSet = DataSet();
    if (!link_.Active()) return;
    int row = topRow_ + visibleRow;
    if (row >= dataSet->DisplayRowCount()) return;
    bool currentCell = row == dataSet->CurrentDisplayRow() && column == selectedIndex_;
    MoveRows(row - dataSet->CurrentDisplayRow());
    if (column != selectedIndex_)
        MoveColumn(column);
    else if (currentCell && options_.Contains(dgEditing))
        ShowEditor();
}

void TDBGrid::CellClick() {
    if (OnCellClick && !editor_->Visible() && selectedIndex_ >= 0) OnCellClick(columns_[selectedIndex_]);
}

void TDBGrid::ClickCell(int column, int visibleRow) {
    TDataSet* dataSet = DataSet();
    bool onEditor = editor_->Visible() && link_.Active() && column == selectedIndex_ &&
                    topRow_ + visibleRow == dataSet->CurrentDisplayRow();
    if (onEditor) {
        editor_->SetFocus();
        return;
    }
    MouseDownCell(column, visibleRow);
    CellClick();
}

void TDBGrid::DblClickCell(int column, int visibleRow) {
    ClickCell(column, visibleRow);
    DblClick();
    CellClick();
}

void TDBGrid::ClickTitle(int column) {
    if (!HasFocus()) SetFocus();
    if (options_.Contains(dgTitles) && OnTitleClick && column >= 0 && column < columns_.Count())
        OnTitleClick(columns_[column]);
}

void TDBGrid::ClickEditButton() {
    if (editor_->Visible() && columns_[selectedIndex_]->ButtonStyle() == cbsEllipsis) EditButtonClick();
}

void TDBGrid::EditButtonClick() {
    if (OnEditButtonClick) OnEditButtonClick(this);
}
