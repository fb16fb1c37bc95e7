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
#include <optional>
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

// What the screen takes from a header line.
struct IntegrationFileHeader {
    std::string originBranch;  // code and name decoded from Windows-1252
    std::string originBranchName;
    TDateTime firstDay;
    TDateTime lastDay;

    // The line the screen shows once the file is chosen.
    std::string Summary() const;
};

// The screen's check of a header line (without its line end). Empty when the first field is not
// CARDAPIO: the file is no integration file. A missing separator leaves every later field empty.
// Each day is read as year (characters 1-4), month (5-6) and day (7 on, at most 8 of them), each
// an integer; raises EConvertError for a part that is no integer (an empty one included) or a day
// that does not exist. Nothing else is checked here: the load reads the whole file.
std::optional<IntegrationFileHeader> ParseHeaderLine(std::string_view line);

}  // namespace krd52100
