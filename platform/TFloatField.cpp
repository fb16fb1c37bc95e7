#include "TFloatField.h"

Variant TFloatField::Convert(const Variant& value) const {
    return value.IsNull() ? value : Variant(value.AsDouble());
}
