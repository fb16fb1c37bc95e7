#pragma once
// The header line of an integration file, the only part of the file the screen reads itself
// (the application server reads the rest during the load; docs/integration-file.md). It is the
// first line of a Windows-1252 text file, five fields each ended by the byte 0xF8 ("ø"):
//
//   CARDAPIOø<origin branch code>ø<origin branch name>ø<first day>ø<last day>ø
//
// with the days written yyyymmdd. Fields are split on the raw byte before any decoding, since
// the separator is no separator once the text is UTF-8.
#include "DateTime.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace krd52100 {

// A header is a few dozen bytes; a file without line breaks (a wrong file chosen by mistake)
// must not be read whole into memory, so no more than this is read of the first line.
inline constexpr std::size_t kMaxHeaderLineBytes = 64 * 1024;

// The bytes of the file's first line, without its end (CR LF, a lone CR or a lone LF), at most
// kMaxHeaderLineBytes of them; empty for an empty file. The file is closed on return. Raises
// EInOutError when the file cannot be opened or read.
std::string ReadHeaderLine(const std::string& fileName);

// The raw bytes before the next separator of `rest`, which then loses them and the separator.
// When `rest` holds no separator the field is empty and `rest` stays as it is, so every later
// field comes out empty too.
std::string_view TakeHeaderField(std::string_view& rest);

// A header day: year from characters 1-4, month from 5-6, day from 7 on (at most 8 of them),
// each read as an integer. Raises EConvertError for a part that is no integer (an empty one
// included) or a day that does not exist.
TDateTime HeaderDay(std::string_view field);

}  // namespace krd52100
