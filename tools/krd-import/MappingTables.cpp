#include "MappingTables.h"

#include "screen/TfrmIntegraCardapio.h"

#include "DataPacket.h"
#include "TClientDataSet.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace krdimport {

namespace {

struct Column {
    const char* header;
    const char* field;
};

constexpr Column kProposedBy{"Proposed by", "IDPROPOSTA"};

// The server's mark of where a proposed destination came from, in words.
std::string ProposedBy(const std::string& mark) {
    if (mark == "M") return "kept";
    if (mark == "N") return "name";
    return "none";
}

size_t Characters(const std::string& text) {
    return std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

void PrintRow(std::ostream& out, const std::vector<std::string>& cells, const std::vector<size_t>& widths) {
    std::string line;
    for (size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) line += "  ";
        line += cells[c] + std::string(widths[c] - Characters(cells[c]), ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << "\n";
}

void PrintTable(std::ostream& out, const char* title, const TClientDataSet& dataSet, const std::vector<Column>& columns) {
    std::vector<std::vector<std::string>> rows(1);
    for (const Column& column : columns) rows[0].push_back(column.header);
    if (dataSet.Active()) {
        const DataPacket packet = dataSet.Data().AsPacket();
        for (size_t r = 0; r < packet.Rows.size(); ++r) {
            std::vector<std::string>& cells = rows.emplace_back();
            for (const Column& column : columns) {
                const std::string value = packet.Value(r, column.field).AsString();
                cells.push_back(std::string_view(column.field) == kProposedBy.field ? ProposedBy(value) : value);
            }
        }
    }
    std::vector<size_t> widths(columns.size(), 0);
    for (const auto& cells : rows)
        for (size_t c = 0; c < cells.size(); ++c) widths[c] = std::max(widths[c], Characters(cells[c]));

    out << title << " (" << rows.size() - 1 << " rows)\n";
    PrintRow(out, rows[0], widths);
    std::vector<std::string> rule;
    for (size_t width : widths) rule.emplace_back(width, '-');
    PrintRow(out, rule, widths);
    for (size_t r = 1; r < rows.size(); ++r) PrintRow(out, rows[r], widths);
    out << "\n";
}

}  // namespace

void PrintMappingTables(const TfrmIntegraCardapio& screen, std::ostream& out) {
    PrintTable(out, "Services", *screen.cdsServicos,
               {{"Origin", "CDSERVFILIORIG"}, {"Origin name", "NMSERVICOORIG"},
                {"Destination", "CDSERVFILIDEST"}, {"Destination name", "NMSERVICODEST"}, kProposedBy});
    PrintTable(out, "Diets", *screen.cdsDietas,
               {{"Origin service", "CDSERVORIG"}, {"Origin diet", "CDDIETORIG"}, {"Origin name", "DSDIETORIG"},
                {"Destination service", "CDSERVDEST"}, {"Destination diet", "CDDIETDEST"},
                {"Destination name", "DSDIETDEST"}, kProposedBy});
    PrintTable(out, "Dish types", *screen.cdsTipoPrat,
               {{"Origin service", "CDSERVORIG"}, {"Seq", "NRSEQORIG"}, {"Origin type", "CDTIPOORIG"},
                {"Origin name", "NMTIPOORIG"}, {"Option", "IDOPCORIG"}, {"Destination service", "CDSERVDEST"},
                {"Destination type", "CDTIPODEST"}, {"Destination name", "NMTIPODEST"}, {"Import", "IDIMPORTAR"},
                kProposedBy});
}

}  // namespace krdimport
