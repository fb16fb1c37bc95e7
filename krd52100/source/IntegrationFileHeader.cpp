#include "source/IntegrationFileHeader.h"

#include "FormatSettings.h"
#include "SysConsts.h"
#include "SysUtils.h"
#include "Text.h"
#include "Variant.h"

#include <fstream>

namespace krd52100 {

namespace {

constexpr char kSeparator = '\xF8';

// The part of `text` a 1-based Copy(text, start, count) gives: shorter or empty past the end.
std::string Part(std::string_view text, std::size_t start, std::size_t count) {
    if (start > text.size()) return {};
    return std::string(text.substr(start - 1, count));
}

// The text as an integer, with the platform's conversion rules and error.
int HeaderNumber(const std::string& text) { return static_cast<int>(Variant(text).AsInteger()); }

// The raw bytes before the next separator of `rest`, which then loses them and the separator.
// When `rest` holds no separator the field is empty and `rest` stays as it is.
std::string_view TakeHeaderField(std::string_view& rest) {
    const std::size_t separator = rest.find(kSeparator);
    if (separator == std::string_view::npos) return {};
    const std::string_view field = rest.substr(0, separator);
    rest.remove_prefix(separator + 1);
    return field;
}

TDateTime HeaderDay(std::string_view field) {
    // Each part is converted before the date is built, so a part that is no number is reported
    // as such and not as an impossible day.
    const int year = HeaderNumber(Part(field, 1, 4));
    const int month = HeaderNumber(Part(field, 5, 2));
    const int day = HeaderNumber(Part(field, 7, 8));
    return EncodeDate(year, month, day);
}

}  // namespace

std::string ReadHeaderLine(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) throw EInOutError(sysconsts::FillIn(sysconsts::FileOpenError, fileName));
    std::string line;
    char byte;
    while (line.size() < kMaxHeaderLineBytes && file.get(byte) && byte != '\r' && byte != '\n') line += byte;
    if (file.bad()) throw EInOutError(sysconsts::FillIn(sysconsts::FileReadError, fileName));
    return line;
}

std::string IntegrationFileHeader::Summary() const {
    return "Filial Origem " + originBranch + " " + originBranchName + " Cardápio de " + DateToStr(firstDay) + " até " +
           DateToStr(lastDay);
}

std::optional<IntegrationFileHeader> ParseHeaderLine(std::string_view line) {
    std::string_view rest = line;
    if (TakeHeaderField(rest) != "CARDAPIO") return std::nullopt;
    IntegrationFileHeader header;
    header.originBranch = DecodeWindows1252(TakeHeaderField(rest));
    header.originBranchName = DecodeWindows1252(TakeHeaderField(rest));
    const std::string_view firstDayField = TakeHeaderField(rest);
    const std::string_view lastDayField = TakeHeaderField(rest);
    header.firstDay = HeaderDay(firstDayField);
    header.lastDay = HeaderDay(lastDayField);
    return header;
}

}  // namespace krd52100
