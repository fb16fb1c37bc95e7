#pragma once
// The server methods that read the import history (ImportHistory):
//
//   GetHistorico(branch, from, to): one row per import attempt, newest first, of the branch ("" for
//     every branch) whose file period meets [from, to].
//   GetHistoricoDetalhe(id): [the attempt's row, its texts]; the texts packet holds the mappings
//     used (IDTIPO "M") and every reason of a refusal or failure (IDTIPO "R"), in order.
#include "SqliteDatabase.h"
#include "Variant.h"

#include <cstdint>
#include <string>

namespace appserver {

class HistoryMethods {
public:
    explicit HistoryMethods(SqliteDatabase& db);

    Variant GetHistorico(const std::string& branch, TDateTime from, TDateTime to);
    Variant GetHistoricoDetalhe(int64_t id);

private:
    SqliteDatabase& db_;
};

}  // namespace appserver
