#include "TDataSet.h"

#include "DBConsts.h"
#include "Format.h"
#include "SysUtils.h"
#include "TDataSource.h"
#include "TIntegerField.h"
#include "TStringField.h"
#include "Text.h"

#include <algorithm>
#include <utility>

TDataSet::TDataSet(TComponent* owner) : TComponent(owner) {}

TDataSet::~TDataSet() {
    for (TDataSource* source : dataSources_) source->DataSetDestroyed();
    std::vector<TField*> fields = std::move(fields_);
    for (TField* field : fields) {
        field->dataSet_ = nullptr;
        delete field;
    }
}

TField* TDataSet::FindField(std::string_view name) const {
    for (TField* field : fields_)
        if (AnsiSameText(field->FieldName(), name)) return field;
    return nullptr;
}

TField* TDataSet::FieldByName(std::string_view name) const {
    if (TField* field = FindField(name)) return field;
    throw EDatabaseError(Format(dbconsts::FieldNotFound, {std::string(name)}));
}

TStringField* TDataSet::AddStringField(std::string name, int size, std::string label) {
    auto* field = new TStringField(this);
    field->SetFieldName(std::move(name));
    field->SetSize(size);
    field->SetDisplayLabel(std::move(label));
    return field;
}

TIntegerField* TDataSet::AddIntegerField(std::string name, std::string label) {
    auto* field = new TIntegerField(this);
    field->SetFieldName(std::move(name));
    field->SetDisplayLabel(std::move(label));
    return field;
}

void TDataSet::AddField(TField* field) {
    if (Active()) throw EDatabaseError(dbconsts::FieldsWhileOpen);
    fields_.push_back(field);
    ++fieldsVersion_;
}

void TDataSet::RemoveField(TField* field) {
    std::erase(fields_, field);
    ++fieldsVersion_;
}

void TDataSet::SetFieldColumn(TField* field, int column) { field->column_ = column; }

int TDataSet::FieldColumn(const TField* field) { return field->column_; }

TField* TDataSet::FieldOfColumn(int column) const {
    auto found = std::find_if(fields_.begin(), fields_.end(), [&](TField* field) { return field->column_ == column; });
    return found != fields_.end() ? *found : nullptr;
}

void TDataSet::AddDataSource(TDataSource* source) { dataSources_.push_back(source); }

void TDataSet::RemoveDataSource(TDataSource* source) { std::erase(dataSources_, source); }

// ---- state, notifications, events

void TDataSet::SetState(TDataSetState state) {
    if (state == state_) return;
    state_ = state;
    modified_ = false;
    DataEvent(deUpdateState);
}

void TDataSet::DataEvent(TDataEvent event, TField* field, int distance) {
    if (disableCount_ > 0) {
        if (event == deLayoutChange) enableEvent_ = deLayoutChange;
        return;
    }
    std::vector<TDataSource*> sources = dataSources_;
    for (TDataSource* source : sources)
        if (source->DataEvent(event, field, distance)) return;
}

void TDataSet::DisableControls() {
    if (disableCount_ == 0) {
        disableState_ = state_;
        enableEvent_ = deDataSetChange;
    }
    ++disableCount_;
}

void TDataSet::EnableControls() {
    if (disableCount_ == 0 || --disableCount_ > 0) return;
    if (state_ != disableState_) DataEvent(deUpdateState);
    if (disableState_ != dsInactive && state_ != dsInactive) DataEvent(enableEvent_);
}

void TDataSet::DoBeforeScroll() { Call(BeforeScroll); }

void TDataSet::DoAfterScroll() { Call(AfterScroll); }

void TDataSet::CheckActive() const {
    if (!Active()) throw EDatabaseError(dbconsts::ClosedDataSet);
}

void TDataSet::CheckCanModify() const {
    if (readOnly_) throw EDatabaseError(dbconsts::ReadOnlyDataSet);
}

// ---- open and close

void TDataSet::SetActive(bool active) {
    if (active == Active()) return;
    if (active)
        DoOpen();
    else
        DoClose();
}

void TDataSet::DoOpen() {
    Call(BeforeOpen);
    try {
        OpenCursor();
    } catch (...) {
        CloseCursor();
        DestroyDefaultFields();
        throw;
    }
    cursor_ = ViewSize() > 0 ? 0 : -1;
    bof_ = true;
    eof_ = cursor_ < 0;
    SetState(dsBrowse);
    Call(AfterOpen);
    if (!IsEmpty()) DoAfterScroll();
}

void TDataSet::DoClose() {
    Call(BeforeClose);
    if (disableCount_ > 0) enableEvent_ = deLayoutChange;
    SetState(dsInactive);
    buffer_.clear();
    cursor_ = -1;
    bof_ = eof_ = true;
    CloseCursor();
    DestroyDefaultFields();
    Call(AfterClose);
}

void TDataSet::DestroyDefaultFields() {
    if (!defaultFields_) return;
    defaultFields_ = false;
    std::vector<TField*> fields = std::move(fields_);
    fields_.clear();
    for (TField* field : fields) {
        field->dataSet_ = nullptr;
        delete field;
    }
}

// ---- position

bool TDataSet::IsEmpty() const { return state_ != dsInsert && (!Active() || ViewSize() == 0); }

int TDataSet::RecordCount() const { return Active() ? ViewSize() : 0; }

int TDataSet::RecNo() const {
    return (state_ == dsBrowse || state_ == dsEdit) && cursor_ >= 0 ? cursor_ + 1 : 0;
}

void TDataSet::PlaceCursor(int position) {
    int size = ViewSize();
    cursor_ = size == 0 ? -1 : std::clamp(position, 0, size - 1);
    bof_ = eof_ = size == 0;
}

void TDataSet::Resync(int position) {
    PlaceCursor(position);
    DataEvent(deDataSetChange);
}

void TDataSet::GotoFound(int position) {
    cursor_ = position;
    bof_ = eof_ = false;
    DataEvent(deDataSetChange);
    DoAfterScroll();
}

void TDataSet::First() {
    CheckBrowseMode();
    DoBeforeScroll();
    bool empty = ViewSize() == 0;
    cursor_ = empty ? -1 : 0;
    bof_ = true;
    eof_ = empty;
    DataEvent(deDataSetChange);
    DoAfterScroll();
}

void TDataSet::Last() {
    CheckBrowseMode();
    DoBeforeScroll();
    bool empty = ViewSize() == 0;
    cursor_ = ViewSize() - 1;
    eof_ = true;
    bof_ = empty;
    DataEvent(deDataSetChange);
    DoAfterScroll();
}

int TDataSet::MoveBy(int distance) {
    CheckBrowseMode();
    DoBeforeScroll();
    if (distance == 0 || (distance > 0 && eof_) || (distance < 0 && bof_)) return 0;
    bof_ = eof_ = false;
    int target = cursor_ + distance;
    if (target >= ViewSize()) {
        target = ViewSize() - 1;
        eof_ = true;
    } else if (target < 0) {
        target = 0;
        bof_ = true;
    }
    int moved = target - cursor_;
    cursor_ = target;
    DataEvent(deDataSetScroll, nullptr, moved);
    DoAfterScroll();
    return moved;
}

// ---- editing

void TDataSet::Edit() {
    if (state_ == dsEdit || state_ == dsInsert) return;
    CheckActive();
    if (ViewSize() == 0) {
        Insert();
        return;
    }
    CheckBrowseMode();
    CheckCanModify();
    Call(BeforeEdit);
    buffer_ = ViewRow(cursor_);
    SetState(dsEdit);
    DataEvent(deRecordChange);
    Call(AfterEdit);
}

void TDataSet::Insert() { InsertOrAppend(false); }

void TDataSet::Append() { InsertOrAppend(true); }

void TDataSet::InsertOrAppend(bool append) {
    CheckBrowseMode();
    CheckCanModify();
    Call(BeforeInsert);
    DoBeforeScroll();
    buffer_ = BlankRecord();
    if (append) {
        cursor_ = ViewSize() - 1;
        insertAt_ = ViewSize();
        bof_ = false;
        eof_ = true;
    } else {
        insertAt_ = std::max(cursor_, 0);
    }
    SetState(dsInsert);
    try {
        Call(OnNewRecord);
    } catch (...) {
        buffer_.clear();
        SetState(dsBrowse);
        Resync(cursor_);
        throw;
    }
    modified_ = false;
    DataEvent(deDataSetChange);
    Call(AfterInsert);
    DoAfterScroll();
}

void TDataSet::UpdateRecord() {
    if (state_ != dsEdit && state_ != dsInsert) throw EDatabaseError(dbconsts::NotEditing);
    DataEvent(deUpdateRecord);
}

void TDataSet::CheckRequiredFields() {
    for (TField* field : fields_) {
        if (!field->Required() || field->ReadOnly() || !buffer_[field->column_].IsNull()) continue;
        field->FocusControl();
        throw EDatabaseError(Format(dbconsts::FieldRequired, {field->DisplayName()}));
    }
}

void TDataSet::Post() {
    UpdateRecord();
    DataEvent(deCheckBrowseMode);
    Call(BeforePost);
    CheckRequiredFields();
    bool inserting = state_ == dsInsert;
    int position = StoreRecord(buffer_, inserting, inserting ? insertAt_ : cursor_);
    buffer_.clear();
    cursor_ = position;
    SetState(dsBrowse);
    Resync(cursor_);
    Call(AfterPost);
}

void TDataSet::Cancel() {
    if (state_ != dsEdit && state_ != dsInsert) return;
    DataEvent(deCheckBrowseMode);
    Call(BeforeCancel);
    bool wasInsert = state_ == dsInsert;
    if (wasInsert) DoBeforeScroll();
    buffer_.clear();
    SetState(dsBrowse);
    Resync(cursor_);
    Call(AfterCancel);
    if (wasInsert) DoAfterScroll();
}

void TDataSet::Delete() {
    CheckActive();
    if (state_ == dsInsert || state_ == dsSetKey) {
        Cancel();
        return;
    }
    if (ViewSize() == 0) throw EDatabaseError(dbconsts::EmptyDataSet);
    DataEvent(deCheckBrowseMode);
    CheckCanModify();
    Call(BeforeDelete);
    DoBeforeScroll();
    RemoveRecord(cursor_);
    buffer_.clear();
    // The cursor goes to a record that exists before the state change is announced: a control
    // that reads the current record then (a grid's editor) must not find the removed last one.
    PlaceCursor(cursor_);
    SetState(dsBrowse);
    Resync(cursor_);
    Call(AfterDelete);
    DoAfterScroll();
}

void TDataSet::CheckBrowseMode() {
    CheckActive();
    DataEvent(deCheckBrowseMode);
    if (state_ != dsEdit && state_ != dsInsert) return;
    UpdateRecord();
    if (modified_)
        Post();
    else
        Cancel();
}

// ---- field values and painted rows

int TDataSet::DisplayRowCount() const {
    if (!Active()) return 0;
    return ViewSize() + (state_ == dsInsert ? 1 : 0);
}

int TDataSet::CurrentDisplayRow() const { return state_ == dsInsert ? insertAt_ : cursor_; }

const Variant& TDataSet::FieldValue(const TField* field) const {
    static const Variant null;
    if (state_ == dsInactive || field->column_ < 0) return null;
    int row = rowOverride_ >= 0 ? rowOverride_ : CurrentDisplayRow();
    if (row < 0) return null;
    if (row == CurrentDisplayRow() && (state_ == dsEdit || state_ == dsInsert)) return buffer_[field->column_];
    if (state_ == dsInsert && row > insertAt_) --row;
    return ViewRow(row)[field->column_];
}

void TDataSet::SetFieldValue(TField* field, const Variant& value) {
    if (rowOverride_ >= 0) throw EDatabaseError(dbconsts::RowViewOnly);
    if (state_ != dsEdit && state_ != dsInsert) throw EDatabaseError(dbconsts::NotEditing);
    if (field->ReadOnly()) throw EDatabaseError(Format(dbconsts::FieldReadOnly, {field->DisplayName()}));
    Variant converted = field->Convert(value);
    size_t column = static_cast<size_t>(field->column_);
    if (field->OnValidate) {
        Variant old = std::exchange(buffer_[column], std::move(converted));
        try {
            field->OnValidate(field);
        } catch (...) {
            buffer_[column] = std::move(old);
            throw;
        }
    } else {
        buffer_[column] = std::move(converted);
    }
    modified_ = true;
    if (field->OnChange) field->OnChange(field);
    DataEvent(deFieldChange, field);
}

TDataSet::RowScope::RowScope(TDataSet& dataSet, int row) : dataSet_(dataSet), previous_(dataSet.rowOverride_) {
    if (row < 0 || row >= dataSet.DisplayRowCount()) throw EDatabaseError("Row out of range");
    dataSet_.rowOverride_ = row;
}

TDataSet::RowScope::~RowScope() { dataSet_.rowOverride_ = previous_; }
