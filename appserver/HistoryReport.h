#pragma once
// The import history as text, for the command lines and the desktop client: one line per attempt
// of GetHistorico, the lines of one attempt of GetHistoricoDetalhe, and the sentence a written
// import ends with (lines written, lines left out and why).
#include "DataPacket.h"
#include "Variant.h"

#include <string>
#include <vector>

namespace appserver {

class HistoryReport {
public:
    // Row `row` of a GetHistorico packet.
    static std::string Line(const DataPacket& attempts, size_t row);
    // Every line of a GetHistoricoDetalhe payload: the attempt, its counts, mappings and reasons.
    static std::vector<std::string> Detail(const Variant& detail);
    // "N linhas gravadas (M substituídas); deixadas de fora: ..." for row `row`.
    static std::string Counts(const DataPacket& attempts, size_t row);
    // The texts of one kind ("M" mappings, "R" reasons) of a GetHistoricoDetalhe payload.
    static std::vector<std::string> Texts(const Variant& detail, const std::string& kind);
    // "gravada", "recusada", "falhou", "desfeita".
    static std::string Outcome(const DataPacket& attempts, size_t row);
};

}  // namespace appserver
