#include "Text.h"

#include <algorithm>
#include <cstdint>

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at `at`, or 1 for a broken byte (taken as one character).
size_t SequenceLength(std::string_view text, size_t at) {
    unsigned char lead = static_cast<unsigned char>(text[at]);
    size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    if (at + length > text.size()) return 1;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
    return length;
}

// Decodes the character at `at`; a broken byte decodes as itself.
char32_t CodePoint(std::string_view text, size_t at, size_t length) {
    unsigned char lead = static_cast<unsigned char>(text[at]);
    if (length == 1) return lead;
    char32_t c = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return c;
}

// Latin-1 case mapping: a-z and the accented letters U+00E0..U+00FE except the division sign.
char32_t ToUpper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    return c;
}

char32_t ToLower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x178) return 0xFF;
    return c;
}

// The base letter of an upper-case Latin-1 letter ("Ã" -> "A").
char32_t WithoutAccent(char32_t c) {
    static constexpr char kBase[] = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYPs";  // U+00C0..U+00DF
    if (c >= 0xC0 && c <= 0xDF && c != 0xD7 && c != 0xDE && c != 0xDF) return static_cast<char32_t>(kBase[c - 0xC0]);
    if (c == 0x178) return 'Y';
    return c;
}

template <typename Map>
std::string MapCharacters(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = SequenceLength(text, i);
        char32_t c = CodePoint(text, i, length);
        if (length == 1 && c >= 0x80)
            out += text[i];  // a broken byte passes through untouched
        else
            AppendUtf8(out, map(c));
        i += length;
    }
    return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

bool IsWindows1252Character(char byte) {
    unsigned char b = static_cast<unsigned char>(byte);
    return b < 0x80 || b >= 0xA0 || kHighControls[b - 0x80] != 0;
}

std::string DecodeWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char byte : bytes) {
        unsigned char b = static_cast<unsigned char>(byte);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) c = kHighControls[b - 0x80] ? kHighControls[b - 0x80] : 0xFFFD;
        AppendUtf8(out, c);
    }
    return out;
}

std::string EncodeWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = SequenceLength(text, i);
        char32_t c = CodePoint(text, i, length);
        i += length;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        auto found = std::find(std::begin(kHighControls), std::end(kHighControls), c);
        out += found != std::end(kHighControls) && c != 0 ? static_cast<char>(0x80 + (found - std::begin(kHighControls)))
                                                          : '?';
    }
    return out;
}

size_t Utf8Length(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); i += SequenceLength(text, i)) ++count;
    return count;
}

std::string Utf8Left(std::string_view text, size_t count) {
    size_t i = 0;
    for (size_t taken = 0; i < text.size() && taken < count; ++taken) i += SequenceLength(text, i);
    return std::string(text.substr(0, i));
}

std::string Utf8Right(std::string_view text, size_t count) {
    size_t total = Utf8Length(text);
    if (count >= total) return std::string(text);
    size_t i = 0;
    for (size_t skipped = 0; skipped < total - count; ++skipped) i += SequenceLength(text, i);
    return std::string(text.substr(i));
}

std::string AnsiUpperCase(std::string_view text) { return MapCharacters(text, ToUpper); }
std::string AnsiLowerCase(std::string_view text) { return MapCharacters(text, ToLower); }

int AnsiCompareText(std::string_view a, std::string_view b) {
    std::string ua = AnsiUpperCase(a), ub = AnsiUpperCase(b);
    int c = ua.compare(ub);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// Field and index names are plain ASCII and are matched on every look-up: they compare byte by
// byte, and only text from the first other byte on is folded into copies.
bool AnsiSameText(std::string_view a, std::string_view b) {
    size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 0x80 || y >= 0x80) return AnsiUpperCase(a.substr(i)) == AnsiUpperCase(b.substr(i));
        if (ToUpper(x) != ToUpper(y)) return false;
    }
    return a.size() == b.size();
}

std::string FoldForMatch(std::string_view text) {
    return MapCharacters(text, [](char32_t c) { return WithoutAccent(ToUpper(c)); });
}

std::string Trim(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}
