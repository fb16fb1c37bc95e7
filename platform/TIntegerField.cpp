#include "TIntegerField.h"

#include "SysConsts.h"
#include "SysUtils.h"

#include <cstdint>
#include <limits>

Variant TIntegerField::Convert(const Variant& value) const {
    if (value.IsNull()) return value;
    int64_t number = value.AsInteger();
    if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
        throw EConvertError(sysconsts::FillIn(sysconsts::InvalidInteger, std::to_string(number)));
    return Variant(number);
}
