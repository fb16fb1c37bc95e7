#include "TField.h"

#include "TDataSet.h"

TField::TField(TDataSet* dataSet) : TComponent(dataSet), dataSet_(dataSet) {
    if (dataSet_) dataSet_->AddField(this);
}

TField::~TField() {
    if (dataSet_) dataSet_->RemoveField(this);
}

void TField::SetFieldName(std::string name) {
    fieldName_ = std::move(name);
    if (dataSet_) dataSet_->FieldRenamed();
}

FieldDef TField::Def() const { return FieldDef{fieldName_, DataType(), size_, required_}; }

void TField::SetDisplayLabel(std::string label) {
    displayLabel_ = std::move(label);
    LayoutChanged();
}

void TField::SetDisplayWidth(int width) {
    displayWidth_ = width;
    LayoutChanged();
}

void TField::SetVisible(bool visible) {
    visible_ = visible;
    LayoutChanged();
}

void TField::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    LayoutChanged();
}

void TField::LayoutChanged() {
    if (dataSet_ && dataSet_->Active()) dataSet_->DataEvent(deLayoutChange);
}

Variant TField::Value() const { return dataSet_ ? dataSet_->FieldValue(this) : Variant(); }

std::string TField::AsString() const { return Value().AsString(); }

int TField::AsInteger() const { return static_cast<int>(Value().AsInteger()); }

double TField::AsFloat() const { return Value().AsDouble(); }

bool TField::AsBoolean() const {
    Variant value = Value();
    return !value.IsNull() && value.AsBoolean();
}

TDateTime TField::AsDateTime() const {
    Variant value = Value();
    return value.IsNull() ? TDateTime() : value.AsDate();
}

void TField::SetValue(const Variant& value) { dataSet_->SetFieldValue(this, value); }

std::string TField::Text() const {
    std::string text;
    if (!OnGetText) return AsString();
    OnGetText(const_cast<TField*>(this), text, false);
    return text;
}

std::string TField::DisplayText() const {
    std::string text;
    if (!OnGetText) return AsString();
    OnGetText(const_cast<TField*>(this), text, true);
    return text;
}

void TField::SetText(const std::string& text) {
    if (OnSetText)
        OnSetText(this, text);
    else
        SetAsString(text);
}

void TField::FocusControl() {
    if (dataSet_) dataSet_->DataEvent(deFocusControl, this);
}
