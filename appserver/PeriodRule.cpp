#include "PeriodRule.h"

#include "SqliteStatement.h"

namespace appserver {

std::optional<PeriodConflict> PeriodRule::Decide(std::optional<TDateTime> first, std::optional<TDateTime> last,
                                                 TDateTime start, TDateTime end) {
    if (!first || !last) return std::nullopt;
    if (end.Days() < first->Days() || start.Days() > last->Days()) return std::nullopt;
    if (start.Days() < first->Days()) return PeriodConflict{"ERRO_INTERVALO_INI", *first};
    return PeriodConflict{"ERRO_INTERVALO_FIN", *last};
}

bool PeriodRule::Applies(SqliteDatabase& db) {
    auto query = db.Prepare("SELECT IDVALPERIODOINT FROM PARAMINTEGRACAO ORDER BY IDINTMATRIZFIL LIMIT 1");
    return query.Step() && query.Text(0) == "S";
}

std::optional<PeriodConflict> PeriodRule::Check(SqliteDatabase& db, const std::string& branch, TDateTime start,
                                                TDateTime end) {
    if (!Applies(db)) return std::nullopt;
    auto query = db.Prepare("SELECT MIN(DTINICIO), MAX(DTFIM) FROM LOGIMPORTACAO WHERE CDFILIAL = ?");
    query.Bind(1, branch);
    if (!query.Step() || query.IsNull(0)) return std::nullopt;
    return Decide(query.Date(0), query.Date(1), start, end);
}

}  // namespace appserver
