#include "TBooleanField.h"

#include "SysConsts.h"
#include "SysUtils.h"
#include "Text.h"

Variant TBooleanField::Convert(const Variant& value) const {
    if (value.IsNull()) return value;
    const std::string* text = value.StringPtr();
    if (!text) return Variant(value.AsBoolean());
    if (AnsiSameText(*text, "True")) return Variant(true);
    if (AnsiSameText(*text, "False")) return Variant(false);
    throw EConvertError(sysconsts::FillIn(sysconsts::InvalidBoolean, *text));
}
