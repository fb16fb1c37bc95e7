#pragma once
// The server method ImportaCardapio: both exchanges of the screen. With three Null tables it
// loads (reads the file, proposes the mappings); with three data packets it imports. Either way
// the destination branch must exist, have a live contract and not be the file's origin, and the
// file must lie below the import roots and be a valid integration file.
//
// Load answer: ["OK", Null, six packets] (MappingProposal), or [status, boundary date] when the
// period rule already rules the file out. Import answer: MenuImport; every import attempt past the
// file's reading goes into the history (ImportHistory).
#include "BranchLocks.h"
#include "Clock.h"
#include "FileAccess.h"
#include "ImportProgress.h"
#include "ImportRoots.h"
#include "SqliteDatabase.h"
#include "Variant.h"

#include <string>

namespace appserver {

class MenuExchange {
public:
    MenuExchange(SqliteDatabase& db, const ImportRoots& roots, const FileAccess& files, const Clock& clock,
                 BranchLocks& locks, int undoKeepDays, ImportProgress* progress = nullptr);

    Variant ImportaCardapio(const std::string& fileName, const std::string& operatorCode, const std::string& branch,
                            const Variant& services, const Variant& diets, const Variant& dishTypes);

private:
    SqliteDatabase& db_;
    const ImportRoots& roots_;
    const FileAccess& files_;
    const Clock& clock_;
    BranchLocks& locks_;
    int undoKeepDays_;
    ImportProgress* progress_;  // where an import reports how far it has got; may be null
};

}  // namespace appserver
