#include "HistoryReport.h"

#include "SqliteStatement.h"

namespace appserver {

namespace {

std::string Text(const DataPacket& table, size_t row, const char* field) { return table.Value(row, field).AsString(); }
std::string Number(const DataPacket& table, size_t row, const char* field) {
    return std::to_string(table.Value(row, field).AsInteger());
}

}  // namespace

std::string HistoryReport::Outcome(const DataPacket& attempts, size_t row) {
    if (!Text(attempts, row, "DTHRDESFEITA").empty()) return "desfeita";
    const std::string outcome = Text(attempts, row, "IDRESULTADO");
    return outcome == "G" ? "gravada" : outcome == "R" ? "recusada" : "falhou";
}

std::string HistoryReport::Line(const DataPacket& attempts, size_t row) {
    return "#" + Number(attempts, row, "NRHISTORICO") + "  " + Text(attempts, row, "DTHRIMPORT") + "  filial " +
           Text(attempts, row, "CDFILIAL") + " <- " + Text(attempts, row, "CDFILIORIG") + "  " +
           IsoDate(attempts.Value(row, "DTINICIO").AsDate()) + " a " +
           IsoDate(attempts.Value(row, "DTFIM").AsDate()) + "  " + Outcome(attempts, row) + "  " +
           Text(attempts, row, "NMARQUIVO") + " (" + Text(attempts, row, "CDOPERADOR") + ")";
}

std::string HistoryReport::Counts(const DataPacket& attempts, size_t row) {
    return Number(attempts, row, "QTGRAVADAS") + " linhas gravadas (" + Number(attempts, row, "QTSUBSTITUIDAS") +
           " substituídas); deixadas de fora: " + Number(attempts, row, "QTSEMTIPO") + " de tipo de prato não marcado, " +
           Number(attempts, row, "QTSEMSERVICO") + " de serviço sem destino, " + Number(attempts, row, "QTSEMDIETA") +
           " de dieta sem destino";
}

std::vector<std::string> HistoryReport::Texts(const Variant& detail, const std::string& kind) {
    std::vector<std::string> texts;
    const DataPacket& table = detail[1].AsPacket();
    for (size_t row = 0; row < table.Rows.size(); ++row)
        if (Text(table, row, "IDTIPO") == kind) texts.push_back(Text(table, row, "DSTEXTO"));
    return texts;
}

std::vector<std::string> HistoryReport::Detail(const Variant& detail) {
    const DataPacket& attempt = detail[0].AsPacket();
    std::vector<std::string> lines{Line(attempt, 0), "SHA-256: " + Text(attempt, 0, "DSSHA256"),
                                   "Início no destino: " + IsoDate(attempt.Value(0, "DTINICIODEST").AsDate()),
                                   Counts(attempt, 0)};
    if (!Text(attempt, 0, "DTHRDESFEITA").empty())
        lines.push_back("Desfeita em " + Text(attempt, 0, "DTHRDESFEITA") + " por " + Text(attempt, 0, "CDOPERDESFEZ"));
    for (const auto& mapping : Texts(detail, "M")) lines.push_back("Mapeamento: " + mapping);
    for (const auto& reason : Texts(detail, "R")) lines.push_back("Motivo: " + reason);
    return lines;
}

}  // namespace appserver
