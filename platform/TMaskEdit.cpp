#include "TMaskEdit.h"

#include "SysUtils.h"
#include "Text.h"

#include <cctype>

namespace {

constexpr std::string_view maskClasses = "09#LlAaCc";

bool IsLetter(unsigned char c) { return std::isalpha(c) || c >= 0x80; }

bool Fits(char maskClass, unsigned char c) {
    switch (maskClass) {
    case '0':
    case '9': return std::isdigit(c);
    case '#': return std::isdigit(c) || c == '+' || c == '-';
    case 'L':
    case 'l': return IsLetter(c);
    case 'A':
    case 'a': return IsLetter(c) || std::isdigit(c);
    default: return true;
    }
}

} // namespace

void TMaskEdit::SetEditMask(std::string mask) {
    std::string body = mask.substr(0, mask.find(';'));
    if (body.find_first_not_of(maskClasses) != std::string::npos)
        throw EInvalidOperation("Unsupported edit mask '" + mask + "'");
    editMask_ = std::move(mask);
    positions_ = std::move(body);
}

bool TMaskEdit::AcceptsTyping(const std::string& text) const {
    if (!TEdit::AcceptsTyping(text)) return false;
    if (positions_.empty()) return true;
    // Characters beyond ASCII count as one position each, in their Windows-1252 form.
    std::string characters = EncodeWindows1252(text);
    if (characters.size() > positions_.size()) return false;
    for (size_t i = 0; i < characters.size(); ++i)
        if (!Fits(positions_[i], static_cast<unsigned char>(characters[i]))) return false;
    return true;
}
