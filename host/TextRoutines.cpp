#include "TextRoutines.h"

#include "Text.h"

#include <algorithm>

bool EmptyString(std::string_view text) { return Trim(text).empty(); }

std::string AllTrim(std::string_view text) { return Trim(text); }

std::string Ajusta(std::string_view code, int width) {
    std::string trimmed = Trim(code);
    bool digitsOnly = std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (trimmed.empty() || !digitsOnly || static_cast<int>(trimmed.size()) >= width) return trimmed;
    return std::string(width - trimmed.size(), '0') + trimmed;
}

std::string Right(std::string_view text, int count) {
    if (count < 1) return {};
    return Utf8Right(text, static_cast<size_t>(count));
}
