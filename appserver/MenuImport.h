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
//     -> delete the services' menus of the period ("Sobrepor")
//     -> stream the menu lines: map, check the dish, insert
//     -> at least one row written, log the import
//     -> COMMIT
//
// Any refusal or failure after BEGIN rolls everything back.
#include "BranchCatalogue.h"
#include "Clock.h"
#include "FileAccess.h"
#include "ImportProgress.h"
#include "ImportSelection.h"
#include "Variant.h"

#include <filesystem>
#include <string>

namespace appserver {

struct ImportRequest {
    std::filesystem::path path;  // resolved below the import roots
    std::string fileName;        // as the user gave it, for the log
    std::string operatorCode;
    std::string branch;
};

class MenuImport {
public:
    MenuImport(SqliteDatabase& db, const FileAccess& files, const Clock& clock);

    // Raw answer: ["OK", Null] after writing, [status, boundary date] on a period conflict, or a
    // failure with the reason.
    Variant Run(const ImportRequest& request, const IntegrationFile& file, const ImportSelection& selection);

    // The number of menu rows the last successful Run wrote.
    uint64_t RowsWritten() const { return rowsWritten_; }

    // Run publishes its menu lines read and rows written there as it goes (null: nowhere).
    void ReportTo(ImportCounters* counters) { counters_ = counters; }

private:
    std::string CheckSelection(const IntegrationFile& file, const ImportSelection& selection,
                               const BranchCatalogue& catalogue) const;
    bool HasWithdrawal(const ImportSelection& selection, const std::string& branch, TDateTime first,
                       TDateTime last) const;
    void DeletePeriod(const ImportSelection& selection, const std::string& branch, TDateTime first, TDateTime last);
    void Log(const ImportRequest& request, const IntegrationHeader& header);

    SqliteDatabase& db_;
    const FileAccess& files_;
    const Clock& clock_;
    uint64_t rowsWritten_ = 0;
    ImportCounters* counters_ = nullptr;
};

}  // namespace appserver
