#pragma once
// The host's text routines for codes and typed values.
#include <string>
#include <string_view>

// True when the text is empty or holds only blanks (spaces, tabs, line breaks).
bool EmptyString(std::string_view text);

// The text without leading and trailing blanks.
std::string AllTrim(std::string_view text);

// A code in the form the application server stores it, `width` characters wide:
// - the code is trimmed first;
// - a code made of digits only (0-9) shorter than `width` is left-padded with "0":
//   Ajusta("1", 4) = "0001", Ajusta(" 12 ", 5) = "00012";
// - any other code (letters, inner blanks) is only trimmed: the stored codes that are not
//   numbers are kept as they were typed, so Ajusta("ab", 4) = "ab";
// - an empty or blank code stays empty: Ajusta("  ", 4) = "", so that a caller can still tell
//   "nothing typed" apart from code zero;
// - a code longer than `width` is kept whole, never cut: Ajusta("123456", 5) = "123456". A cut
//   would turn a wrong code into some other existing code ("123456" into "23456") and would
//   make sequence numbers above 99 collide in keys of width 2.
std::string Ajusta(std::string_view code, int width);

// The last `count` characters of the text (all of it when shorter; "" for a count below 1).
std::string Right(std::string_view text, int count);
