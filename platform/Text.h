#pragma once
// Text helpers. Text is UTF-8 in memory; sizes count characters, not bytes. Case folding knows
// the Latin-1 letters, so "ção" and "ÇÃO" compare equal.
#include <string>
#include <string_view>

// Windows-1252 bytes to UTF-8 (the five undefined bytes map to U+FFFD).
std::string DecodeWindows1252(std::string_view bytes);
// Whether Windows-1252 gives the byte a character: all but 0x81, 0x8D, 0x8F, 0x90 and 0x9D.
bool IsWindows1252Character(char byte);
// UTF-8 to Windows-1252; characters it cannot hold become '?'.
std::string EncodeWindows1252(std::string_view text);

// Number of characters (code points) of UTF-8 text; a broken sequence counts one per byte.
size_t Utf8Length(std::string_view text);
// The first `count` characters, never cutting a character in two.
std::string Utf8Left(std::string_view text, size_t count);
// The last `count` characters.
std::string Utf8Right(std::string_view text, size_t count);

std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);
// Case-insensitive comparison (<0, 0, >0) and equality, Latin-1 aware.
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);
// Upper case without accents ("Ração" -> "RACAO"): the key for matching names loosely.
std::string FoldForMatch(std::string_view text);

// Leading and trailing blanks (space, tab, CR, LF) removed.
std::string Trim(std::string_view text);
