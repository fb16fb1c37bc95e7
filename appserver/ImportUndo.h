#pragma once
// The server method DesfazImportacao: undoes one written import of the history (ImportHistory).
//
// In one write transaction, taken with the branch's lock and BEGIN IMMEDIATE like an import, so
// that an undo and an import of one branch run one after the other: removes the menus the import
// left in its services and period, puts back the rows it replaced, removes its entry from the
// import log (the period rule reads that log), and marks it undone with who and when.
//
// It refuses, changing nothing, an import that is not written or already undone, one whose undo
// data has outlived the undo span, one followed by a written import into the same branch whose
// period overlaps (undo the newest first), and one whose menus were changed since: the fingerprint
// of its services' menus of the period taken at commit must still match.
#include "BranchLocks.h"
#include "Clock.h"
#include "SqliteDatabase.h"
#include "Variant.h"

#include <cstdint>
#include <optional>
#include <string>

namespace appserver {

class ImportUndo {
public:
    ImportUndo(SqliteDatabase& db, const Clock& clock, BranchLocks& locks);

    // Success payload: a sentence saying what was undone.
    Variant DesfazImportacao(int64_t id, const std::string& operatorCode);

private:
    struct Entry;
    std::optional<Entry> ReadEntry(int64_t id);
    std::string Refusal(int64_t id, const Entry& entry);
    Variant Undo(int64_t id, const Entry& entry, const std::string& operatorCode);

    SqliteDatabase& db_;
    const Clock& clock_;
    BranchLocks& locks_;
};

}  // namespace appserver
