#pragma once
// A Boolean field, for packet columns of that type.
#include "TField.h"

class TBooleanField : public TField {
public:
    explicit TBooleanField(TDataSet* dataSet) : TField(dataSet) {}

    FieldType DataType() const override { return FieldType::Boolean; }
    Variant Convert(const Variant& value) const override;

protected:
    int DefaultWidth() const override { return 5; }
};
