#pragma once
// A date field (days since 1899-12-30, see TDateTime); text reads in the session's short
// date format.
#include "TField.h"

class TDateTimeField : public TField {
public:
    explicit TDateTimeField(TDataSet* dataSet) : TField(dataSet) {}

    FieldType DataType() const override { return FieldType::Date; }
    Variant Convert(const Variant& value) const override;

protected:
    int DefaultWidth() const override { return 10; }
};
