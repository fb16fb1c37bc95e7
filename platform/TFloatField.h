#pragma once
// A double-precision field, for packet columns of that type.
#include "TField.h"

class TFloatField : public TField {
public:
    explicit TFloatField(TDataSet* dataSet) : TField(dataSet) { SetAlignment(taRightJustify); }

    FieldType DataType() const override { return FieldType::Double; }
    Variant Convert(const Variant& value) const override;

protected:
    int DefaultWidth() const override { return 10; }
};
