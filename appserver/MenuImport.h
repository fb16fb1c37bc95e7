#pragma once
// The import: writes the menus of an integration file into the destination branch.
//
// Invariant: the database either holds every row of the import and its log entry, or is exactly
// as before. All of it runs in one write transaction taken with BEGIN IMMEDIATE:
//
//   checks outside the transaction (file readable and valid, mapping consistent with the branch,
//   hospital services keep a diet)
//     -> BEGIN IMMEDIATE
//     -> period rule (ERRO_INTERVALO_INI / _FIN answers, not failures)
//     -> no withdrawal in the period for a destination service
//     -> keep the services' menus of the period in the history, then delete them ("Sobrepor")
//     -> stream the menu lines: map, check the dish, insert
//     -> every dish present, at least one row written, log the import and its history
//     -> COMMIT
//
// Any refusal or failure after BEGIN rolls everything back. A refusal still looks at every row,
// so that its report (Report) names each offending one; the answer carries the first.
#include "BranchCatalogue.h"
#include "Clock.h"
#include "FileAccess.h"
#include "ImportHistory.h"
#include "ImportProgress.h"
#include "ImportSelection.h"
#include "Variant.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace appserver {

struct ImportRequest {
    std::filesystem::path path;  // resolved below the import roots
    std::string fileName;        // as the user gave it, for the log
    std::string operatorCode;
    std::string branch;
};

// One offending row: the text the user knows for its kind, and the same naming the row.
struct ImportProblem {
    std::string message;
    std::string reason;
};

class MenuImport {
public:
    MenuImport(SqliteDatabase& db, const FileAccess& files, const Clock& clock);

    // Raw answer: ["OK", Null] after writing, [status, boundary date] on a period conflict, or a
    // failure with the reason.
    // A written import's record goes into `history` inside the import's transaction.
    Variant Run(const ImportRequest& request, const IntegrationFile& file, const ImportSelection& selection,
                ImportHistory& history);

    // Deletes the menus of the services in [first, last] ("Sobrepor", and undo taking an import's
    // rows out again) and says how many rows went.
    static int64_t DeleteMenus(SqliteDatabase& db, const std::string& branch, const std::set<std::string>& services,
                               TDateTime first, TDateTime last);

    // What the last Run came to.
    const ImportReport& Report() const { return report_; }
    uint64_t RowsWritten() const { return report_.written; }

    // Run publishes its menu lines read and rows written there as it goes (null: nowhere).
    void ReportTo(ImportCounters* counters) { counters_ = counters; }

private:
    std::vector<ImportProblem> CheckSelection(const IntegrationFile& file, const ImportSelection& selection,
                                            const BranchCatalogue& catalogue) const;
    std::vector<ImportProblem> Withdrawals(const ImportSelection& selection, const std::string& branch,
                                         TDateTime first, TDateTime last) const;
    int64_t Log(const ImportRequest& request, const IntegrationHeader& header);
    // The failure answer with the first problem's text; every problem goes to the report.
    Variant Refuse(const std::vector<ImportProblem>& problems);

    SqliteDatabase& db_;
    const FileAccess& files_;
    const Clock& clock_;
    ImportReport report_;
    ImportCounters* counters_ = nullptr;
};

}  // namespace appserver
