#pragma once
// A 32-bit signed integer field. Text converts as StrToInt does (EConvertError on bad text or
// a value out of range); a null reads as 0 through AsInteger and as '' through AsString.
#include "TField.h"

class TIntegerField : public TField {
public:
    explicit TIntegerField(TDataSet* dataSet) : TField(dataSet) { SetAlignment(taRightJustify); }

    FieldType DataType() const override { return FieldType::Integer; }
    Variant Convert(const Variant& value) const override;

protected:
    int DefaultWidth() const override { return 11; }
};
