#pragma once
// A field of a dataset: the typed, named view of one column of the current record.
//
// Reading goes to the record the dataset shows as current (its edit buffer while editing, or
// the row a grid is painting, see TDataSet::RowScope). Writing is allowed only while the dataset
// is in dsEdit or dsInsert; each assignment runs: conversion -> OnValidate (throw to reject;
// the old value stays) -> store -> dataset Modified -> OnChange -> OnDataChange(field).
// A field belongs to its dataset, which owns and destroys it.
#include "DBTypes.h"
#include "DataPacket.h"
#include "TComponent.h"
#include "Variant.h"

#include <functional>
#include <string>

class TDataSet;

class TField : public TComponent {
public:
    using TFieldNotifyEvent = std::function<void(TField* Sender)>;
    using TFieldGetTextEvent = std::function<void(TField* Sender, std::string& Text, bool DisplayText)>;
    using TFieldSetTextEvent = std::function<void(TField* Sender, const std::string& Text)>;

    // Adds the field to `dataSet` (which must be closed), after its other fields.
    explicit TField(TDataSet* dataSet);
    ~TField() override;

    TDataSet* DataSet() const { return dataSet_; }
    virtual FieldType DataType() const = 0;
    FieldDef Def() const;

    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(std::string name);
    // DisplayLabel when set, else FieldName: grid titles and error messages use it.
    const std::string& DisplayName() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
    const std::string& DisplayLabel() const { return DisplayName(); }
    void SetDisplayLabel(std::string label);
    int DisplayWidth() const { return displayWidth_ > 0 ? displayWidth_ : DefaultWidth(); }
    void SetDisplayWidth(int width);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool Required() const { return required_; }
    void SetRequired(bool required) { required_ = required; }
    // Characters for a string field; 0 for the others.
    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment) { alignment_ = alignment; }

    bool IsNull() const { return Value().IsNull(); }
    Variant Value() const;
    std::string AsString() const;
    virtual int AsInteger() const;
    virtual double AsFloat() const;
    bool AsBoolean() const;
    TDateTime AsDateTime() const;

    void SetValue(const Variant& value);
    void SetAsString(const std::string& value) { SetValue(Variant(value)); }
    void SetAsInteger(int value) { SetValue(Variant(value)); }
    void SetAsFloat(double value) { SetValue(Variant(value)); }
    void SetAsBoolean(bool value) { SetValue(Variant(value)); }
    void SetAsDateTime(TDateTime value) { SetValue(Variant(value)); }
    void Clear() { SetValue(Variant()); }

    // Edit text (OnGetText with DisplayText false, else AsString) and display text (OnGetText
    // with DisplayText true, else AsString). With OnGetText assigned the text starts empty.
    std::string Text() const;
    std::string DisplayText() const;
    // Goes through OnSetText when assigned (the handler stores the value), else SetAsString.
    void SetText(const std::string& text);

    // Asks the control showing this field to take the focus (through the data sources).
    void FocusControl();

    // The value converted to this field's storage type (strings cut to Size characters);
    // raises EConvertError when impossible. Used for assignments and when loading packets.
    virtual Variant Convert(const Variant& value) const = 0;

    TFieldGetTextEvent OnGetText;
    TFieldSetTextEvent OnSetText;
    TFieldNotifyEvent OnValidate;
    TFieldNotifyEvent OnChange;

protected:
    virtual int DefaultWidth() const = 0;

private:
    friend class TDataSet;
    void LayoutChanged();

    TDataSet* dataSet_ = nullptr;
    int column_ = -1;  // position of its value in the dataset's records; set on open
    std::string fieldName_;
    std::string displayLabel_;
    int displayWidth_ = 0;
    int size_ = 0;
    bool visible_ = true;
    bool readOnly_ = false;
    bool required_ = false;
    TAlignment alignment_ = taLeftJustify;
};
