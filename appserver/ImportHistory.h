#pragma once
// The history of menu imports: every attempt through ImportaCardapio, written or not, with what it
// used, what it wrote and why it was refused, and, for a written import, what undoing it needs
// (DesfazImportacao, ImportUndo).
//
// A written import keeps its record inside its own transaction, so the menus and their history
// are committed together. A refused or failed import rolled everything back, so its record is
// written afterwards in a transaction of its own.
//
// What undo needs (the rows the import replaced) is kept for ServerConfig::undoKeepDays; each
// written import drops what has grown older than that.
#include "Clock.h"
#include "SqliteDatabase.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace appserver {

// What an import attempt came to. Reasons hold every offending row of a refusal, each on its own.
struct ImportReport {
    enum class Outcome { Written, Refused, Failed };
    Outcome outcome = Outcome::Failed;
    std::vector<std::string> reasons;
    uint64_t written = 0;
    uint64_t replaced = 0;
    // The file's menu lines left out, by why.
    uint64_t withoutDishType = 0;  // dish type not marked for import
    uint64_t withoutService = 0;   // origin service without destination
    uint64_t withoutDiet = 0;      // origin diet without destination

    // An attempt that wrote nothing, for this one reason.
    static ImportReport Unwritten(Outcome outcome, std::string reason) {
        ImportReport report;
        report.outcome = outcome;
        report.reasons.push_back(std::move(reason));
        return report;
    }
};

// Who imported what, from where, into where.
struct ImportAttempt {
    std::string operatorCode;
    std::string branch;
    TDateTime destinationStart;
    std::string originBranch;
    TDateTime first, last;  // the file's period
    std::string fileName;
    std::string sha256;
    std::vector<std::string> mappings;  // one line per mapping used
};

class ImportHistory {
public:
    ImportHistory(SqliteDatabase& db, const Clock& clock, ImportAttempt attempt, int undoKeepDays);

    // Inside the import's transaction, before the period's menus of these destination services
    // are deleted: keeps them for undo. Returns how many there are.
    uint64_t KeepReplaced(const std::set<std::string>& services);
    // Inside the import's transaction, once its menus and its log entry are written.
    void RecordWritten(const ImportReport& report, int64_t logEntry);
    // After the import rolled back.
    void RecordUnwritten(const ImportReport& report);

    // The fingerprint of the branch's menus of these services in the period: it changes with any
    // row added, removed or changed there (short of a 64-bit collision).
    static std::string Fingerprint(SqliteDatabase& db, const std::string& branch,
                                   const std::set<std::string>& services, TDateTime first, TDateTime last);
    // yyyy-mm-dd hh:mm:ss
    static std::string IsoDateTime(TDateTime moment);

private:
    void Open(char outcome);
    void Close(const ImportReport& report);
    void AddTexts(char type, const std::vector<std::string>& texts);
    void Prune();

    SqliteDatabase& db_;
    const Clock& clock_;
    ImportAttempt attempt_;
    int undoKeepDays_;
    int64_t id_ = 0;
    std::set<std::string> services_;
};

}  // namespace appserver
