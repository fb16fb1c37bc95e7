#include "HistoryMethods.h"

#include "Answer.h"
#include "PacketBuilder.h"
#include "SqliteStatement.h"

namespace appserver {

namespace {

FieldDef Text(const char* name, int size) { return FieldDef{name, FieldType::String, size, false}; }
FieldDef Number(const char* name) { return FieldDef{name, FieldType::Integer, 0, false}; }
FieldDef Day(const char* name) { return FieldDef{name, FieldType::Date, 0, false}; }

// IDRESULTADO: G written, R refused, F failed. IDDESFAZIVEL: S while what undo needs is kept.
std::vector<FieldDef> Attempts() {
    return {Number("NRHISTORICO"),  Text("DTHRIMPORT", 19),  Text("CDOPERADOR", 20),   Text("CDFILIAL", 10),
            Day("DTINICIODEST"),    Text("CDFILIORIG", 10),  Day("DTINICIO"),         Day("DTFIM"),
            Text("NMARQUIVO", 250), Text("DSSHA256", 64),    Text("IDRESULTADO", 1),  Number("QTGRAVADAS"),
            Number("QTSUBSTITUIDAS"), Number("QTSEMTIPO"),   Number("QTSEMSERVICO"),  Number("QTSEMDIETA"),
            Text("IDDESFAZIVEL", 1), Text("DTHRDESFEITA", 19), Text("CDOPERDESFEZ", 20)};
}

const char* const kColumns =
    "SELECT NRHISTORICO, DTHRIMPORT, CDOPERADOR, CDFILIAL, DTINICIODEST, CDFILIORIG, DTINICIO, DTFIM, NMARQUIVO, "
    "DSSHA256, IDRESULTADO, QTGRAVADAS, QTSUBSTITUIDAS, QTSEMTIPO, QTSEMSERVICO, QTSEMDIETA, IDDESFAZIVEL, "
    "DTHRDESFEITA, CDOPERDESFEZ FROM HISTIMPORTACAO ";

void AddAttempts(SqliteStatement& query, PacketBuilder& packet) {
    const auto fields = packet.Packet().Fields;
    while (query.Step()) {
        std::vector<Variant> values;
        for (size_t i = 0; i < fields.size(); ++i) {
            const int column = static_cast<int>(i);
            if (fields[i].Type == FieldType::Integer) values.emplace_back(query.Integer(column));
            else if (fields[i].Type == FieldType::Date) values.emplace_back(query.Date(column));
            else values.emplace_back(query.Text(column));
        }
        packet.Add(std::move(values));
    }
}

}  // namespace

HistoryMethods::HistoryMethods(SqliteDatabase& db) : db_(db) {}

Variant HistoryMethods::GetHistorico(const std::string& branch, TDateTime from, TDateTime to) {
    auto query = db_.Prepare(std::string(kColumns) +
                             "WHERE (? = '' OR CDFILIAL = ?) AND DTINICIO <= ? AND DTFIM >= ? ORDER BY NRHISTORICO DESC");
    query.Bind(1, branch).Bind(2, branch).BindDate(3, to).BindDate(4, from);
    PacketBuilder attempts(Attempts());
    AddAttempts(query, attempts);
    return Answer::Success(attempts.Take());
}

Variant HistoryMethods::GetHistoricoDetalhe(int64_t id) {
    auto query = db_.Prepare(std::string(kColumns) + "WHERE NRHISTORICO = ?");
    query.Bind(1, id);
    PacketBuilder attempt(Attempts());
    AddAttempts(query, attempt);
    if (attempt.Packet().Rows.empty())
        return Answer::Failure("Importação " + std::to_string(id) + " não encontrada no histórico.");
    auto texts = db_.Prepare("SELECT IDTIPO, DSTEXTO FROM HISTTEXTO WHERE NRHISTORICO = ? ORDER BY IDTIPO, NRORDEM");
    texts.Bind(1, id);
    PacketBuilder lines({Text("IDTIPO", 1), Text("DSTEXTO", 1000)});
    while (texts.Step()) lines.Add({texts.Text(0), texts.Text(1)});
    return Answer::Success(VarArrayOf({attempt.Take(), lines.Take()}));
}

}  // namespace appserver
