#include "FoldedKey.h"

#include "Text.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace dataset {
namespace {

// Integers beyond this lose their identity as doubles.
constexpr int64_t kExactDoubleLimit = int64_t{1} << 53;

} // namespace

void FoldedKey::Append(const Variant& value, FieldType type, bool descending, bool partial) {
    if (!complete_) return;
    invert_ = descending ? 0xFF : 0;
    if (value.IsNull()) return Put(0);
    VarType held = value.Type();
    switch (type) {
    case FieldType::String:
        if (held != VarType::String) return Stop();
        Put(1);
        return AppendText(*value.StringPtr(), partial);
    case FieldType::Integer:
    case FieldType::Double:
        if (held == VarType::Integer) {
            int64_t number = value.AsInteger();
            if (number > kExactDoubleLimit || number < -kExactDoubleLimit) return Stop();
        } else if (held != VarType::Double) {
            return Stop();
        }
        Put(1);
        return AppendNumber(value.AsDouble());
    case FieldType::Date:
        if (held != VarType::Date) return Stop();
        Put(1);
        return AppendNumber(value.AsDate().Value);
    case FieldType::Boolean:
        if (held != VarType::Boolean) return Stop();
        Put(1);
        return Put(value.AsBoolean() ? 1 : 0);
    }
    Stop();
}

// Plain ASCII folds byte by byte; from the first other byte on, the rest is folded as
// AnsiCompareText folds it (which keeps ASCII bytes below and other characters above 0x80).
void FoldedKey::AppendText(const std::string& text, bool partial) {
    // Bytes that fit are stored straight; Put sees the one that does not.
    // Kept in locals: a store into bytes_ could alias the members, which the compiler would then
    // read again at every byte.
    size_t room = std::min<size_t>(text.size(), kCapacity - length_);
    size_t ascii = 0;
    uint8_t length = length_, invert = invert_;
    bool exact = caseExact_;
    for (; ascii < room; ++ascii) {
        auto byte = static_cast<uint8_t>(text[ascii]);
        if (byte >= 0x80 || byte == 0) break;
        uint8_t folded = byte >= 'a' && byte <= 'z' ? static_cast<uint8_t>(byte - 32) : byte;
        exact = exact && folded == byte;
        bytes_[length++] = folded ^ invert;
    }
    length_ = length;
    caseExact_ = exact;
    if (ascii < text.size() && text[ascii] == 0) return Stop();
    if (ascii == room && room < text.size()) return Stop();
    if (ascii < text.size()) {
        // A partial key is cut by characters, and characters of another case may differ in
        // bytes: its bytes could not tell where the cut falls.
        if (partial) return Stop();
        std::string_view rest = std::string_view(text).substr(ascii);
        std::string folded = AnsiUpperCase(rest);
        caseExact_ = caseExact_ && folded == rest;
        for (char c : folded) {
            if (c == 0) return Stop();
            Put(static_cast<uint8_t>(c));
        }
    }
    if (!partial) Put(0);
}

// The bits of a double, reordered so that unsigned byte order is numeric order: negatives
// inverted, positives with the sign bit set. -0 orders as 0, NaN orders as nothing.
void FoldedKey::AppendNumber(double value) {
    if (std::isnan(value)) return Stop();
    if (value == 0) value = 0;
    auto bits = std::bit_cast<uint64_t>(value);
    bits = (bits >> 63) != 0 ? ~bits : bits | (uint64_t{1} << 63);
    if (complete_ && kCapacity - length_ >= 8) {
        uint64_t stored = std::endian::native == std::endian::little ? __builtin_bswap64(bits) : bits;
        stored ^= invert_ ? ~uint64_t{0} : 0;
        std::memcpy(bytes_ + length_, &stored, sizeof stored);
        length_ += 8;
        return;
    }
    for (int shift = 56; shift >= 0; shift -= 8) Put(static_cast<uint8_t>(bits >> shift));
}


} // namespace dataset
