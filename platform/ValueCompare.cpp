#include "ValueCompare.h"

#include "Text.h"

#include <cstring>

namespace dataset {
namespace {

int Sign(int c) { return c < 0 ? -1 : c > 0 ? 1 : 0; }

template <typename T> int Order(T a, T b) { return a < b ? -1 : b < a ? 1 : 0; }

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// AnsiCompareText without its allocations while the texts are plain ASCII, which codes and
// most names are; from the first other byte on, AnsiCompareText decides.
int FoldedText(std::string_view a, std::string_view b) {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 0x80 || y >= 0x80) return AnsiCompareText(a.substr(i), b.substr(i));
        char fx = FoldAscii(static_cast<char>(x)), fy = FoldAscii(static_cast<char>(y));
        if (fx != fy) return static_cast<unsigned char>(fx) < static_cast<unsigned char>(fy) ? -1 : 1;
    }
    return Order(a.size(), b.size());
}

bool IsNumber(VarType type) { return type == VarType::Integer || type == VarType::Double; }

// Values of one kind compare directly; `text` orders two texts.
template <typename TextOrder> int CompareWith(const Variant& a, const Variant& b, TextOrder text) {
    VarType ta = a.Type(), tb = b.Type();
    if (ta == VarType::Null || tb == VarType::Null) return Order(ta != VarType::Null, tb != VarType::Null);
    if (ta == VarType::String && tb == VarType::String) return text(*a.StringPtr(), *b.StringPtr());
    if (ta == VarType::Integer && tb == VarType::Integer) return Order(a.AsInteger(), b.AsInteger());
    if (IsNumber(ta) && IsNumber(tb)) return Order(a.AsDouble(), b.AsDouble());
    if (ta == VarType::Date && tb == VarType::Date) return Order(a.AsDate().Value, b.AsDate().Value);
    if (ta == VarType::Boolean && tb == VarType::Boolean) return Order(a.AsBoolean(), b.AsBoolean());
    return text(a.AsString(), b.AsString());
}

} // namespace

int CompareFolded(const Variant& a, const Variant& b) { return CompareWith(a, b, FoldedText); }

int CompareExact(const Variant& a, const Variant& b) {
    return CompareWith(a, b, [](std::string_view x, std::string_view y) {
        int folded = FoldedText(x, y);
        return folded != 0 ? folded : Sign(x.compare(y));
    });
}

int CompareToKey(const Variant& value, const Variant& key, bool partial) {
    const std::string* text = value.StringPtr();
    const std::string* prefix = key.StringPtr();
    if (!partial || !text || !prefix) return CompareFolded(value, key);
    return FoldedText(Utf8Left(*text, Utf8Length(*prefix)), *prefix);
}

bool KeyMatches(const Variant& value, const Variant& key, bool caseInsensitive, bool partial) {
    const std::string* text = value.StringPtr();
    const std::string* wanted = key.StringPtr();
    if (!text || !wanted) return CompareExact(value, key) == 0;
    if (partial && !caseInsensitive) return text->starts_with(*wanted);
    if (partial) return CompareToKey(value, key, true) == 0;
    return caseInsensitive ? FoldedText(*text, *wanted) == 0 : *text == *wanted;
}

} // namespace dataset
