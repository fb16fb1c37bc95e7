#include "TStringField.h"

#include "Text.h"

Variant TStringField::Convert(const Variant& value) const {
    if (value.IsNull()) return value;
    const std::string* held = value.StringPtr();
    std::string text = held ? *held : value.AsString();
    if (text.empty() && EmptyStringIsNull) return Variant();
    // A size counts characters, and a character takes at least one byte.
    if (text.size() > static_cast<size_t>(Size())) text = Utf8Left(text, static_cast<size_t>(Size()));
    return Variant(std::move(text));
}

int TStringField::AsInteger() const { return static_cast<int>(Variant(AsString()).AsInteger()); }

double TStringField::AsFloat() const { return Variant(AsString()).AsDouble(); }
