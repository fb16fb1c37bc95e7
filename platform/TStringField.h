#pragma once
// A text field of at most Size characters (not bytes). Longer text is cut silently on a
// character boundary. AsInteger/AsFloat convert the text as StrToInt/StrToFloat do, so an
// empty or non-numeric text raises EConvertError.
#include "TField.h"

class TStringField : public TField {
public:
    explicit TStringField(TDataSet* dataSet) : TField(dataSet) { SetSize(20); }

    // Whether assigning '' stores a null (IsNull true) or an empty text. One switch for the
    // whole platform; the default keeps '' as '' so that IsNull means "never assigned".
    static inline bool EmptyStringIsNull = false;

    FieldType DataType() const override { return FieldType::String; }
    Variant Convert(const Variant& value) const override;
    int AsInteger() const override;
    double AsFloat() const override;

protected:
    int DefaultWidth() const override { return Size(); }
};
