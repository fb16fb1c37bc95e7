#include "TDateTimeField.h"

Variant TDateTimeField::Convert(const Variant& value) const {
    return value.IsNull() ? value : Variant(value.AsDate());
}
