#pragma once
// The period rule of menu imports into one branch: imports already made there span from the
// first start F to the last end L, and a new period [s, e] must lie wholly before or wholly after
// that span. It only applies when the company's parameter IDVALPERIODOINT is "S".
#include "DateTime.h"
#include "SqliteDatabase.h"

#include <optional>
#include <string>

namespace appserver {

struct PeriodConflict {
    std::string status;  // "ERRO_INTERVALO_INI" or "ERRO_INTERVALO_FIN"
    TDateTime boundary;  // F for the first, L for the second
};

class PeriodRule {
public:
    // No earlier import, e < F or s > L: accepted. s < F <= e: ERRO_INTERVALO_INI with F.
    // Anything else (the period starts inside the span): ERRO_INTERVALO_FIN with L.
    static std::optional<PeriodConflict> Decide(std::optional<TDateTime> first, std::optional<TDateTime> last,
                                                TDateTime start, TDateTime end);

    // Whether the company's parameters ask for the rule.
    static bool Applies(SqliteDatabase& db);
    // Reads the branch's import log and decides. Inside an import it runs in the import's write
    // transaction, so no other import into the branch can slip in between check and write.
    static std::optional<PeriodConflict> Check(SqliteDatabase& db, const std::string& branch, TDateTime start,
                                               TDateTime end);
};

}  // namespace appserver
