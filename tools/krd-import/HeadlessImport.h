#pragma once
// One scripted import through the real screen, without a display: the host's session, the
// application server (in process on the company database, or over HTTP), a dialog service that
// writes every message to standard error, and the KRD52100 module opened through the package
// loader. Run() then works the screen as a user would:
//
//   open the screen -> type the file name and the branch -> leave the filter panel (the load)
//   -> open the "Configuração" tab (the rebuild) -> [type the destination date and leave the
//   date panel (the rebuild for that date)] -> [print the mappings] -> [press the import button]
//
// and says how it ended. The screen's messages decide: an error or warning box means the screen
// refused, and so does the platform's refusal of what was given to it (a file it cannot read, a
// text it cannot convert), which the host shows as a box too; any other exception reaching the
// top of a gesture, or a module or server that cannot be reached, is an error. The run stops at
// the first refusal, as a user would.
//
// A series of imports works one screen, as a user importing file after file would: Open() once,
// then ImportFile() for each file, from the load on; the destructor closes the screen. The
// embedded server reads files only below the folder of the file the options name at Open().
#include "DateTime.h"
#include "StderrDialogs.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

class Package;
class TfrmIntegraCardapio;

namespace appserver {
class ApplicationServer;
}

namespace krdimport {

struct ImportOptions {
    std::filesystem::path file;       // the integration file
    std::string branch;               // the destination branch, four digits
    std::string date;                 // the destination start date as typed, dd/mm/yyyy ("" keeps today)
    std::string server = "embedded";  // "embedded" or http://host:port
    std::string token;                // access token of an HTTP server
    std::filesystem::path database;   // the company database (the host's general database too)
    bool branchMode = false;          // the client logged in branch mode ("filial") or head-office mode
    std::string operatorCode;
    bool dryRun = false;
    bool showMappings = false;
    std::filesystem::path modulePath;  // the KRD52100 library
};

enum class ImportOutcome { Success = 0, Refused = 1, Error = 2 };

class HeadlessImport {
public:
    // `out` receives the mapping tables and the outcome line, `err` the screen's messages.
    HeadlessImport(ImportOptions options, std::ostream& out, std::ostream& err);
    ~HeadlessImport();
    HeadlessImport(const HeadlessImport&) = delete;
    HeadlessImport& operator=(const HeadlessImport&) = delete;

    // The single run: opens the screen, works it once with the options' file and date.
    ImportOutcome Run();

    // A series: opens the screen; then, once it opened, each ImportFile works it from the load
    // on, with `file` and `date` in place of the options', and says how that import ended.
    ImportOutcome Open();
    ImportOutcome ImportFile(const std::filesystem::path& file, std::optional<TDateTime> date);

private:
    // Runs a step of the run, taking an exception that escapes it as the run's error.
    void Guarded(const std::function<void()>& step);
    void WorkScreen();
    ImportOutcome Finish();
    void SetUpHost();
    void TearDownHost();
    bool OpenScreen();
    bool Load(TfrmIntegraCardapio& screen);
    bool Configure(TfrmIntegraCardapio& screen);
    bool Import(TfrmIntegraCardapio& screen);
    // Prints what the server's history says of the import attempt numbered above `before`.
    void PrintHistory(int64_t before);
    // True while this import has met no refusal and no error.
    bool Going() const { return !failed_ && !refused_ && dialogs_.Refusals() == refusalsBefore_; }
    ImportOutcome Outcome() const;
    // A refusal the screen shows no message for (a step that could not be taken): says why.
    bool Refuse(const std::string& reason);

    ImportOptions options_;
    std::ostream& out_;
    std::ostream& err_;
    StderrDialogs dialogs_;
    bool failed_ = false;
    bool refused_ = false;
    int refusalsBefore_ = 0;  // boxes shown before this import
    std::unique_ptr<appserver::ApplicationServer> server_;
    std::unique_ptr<Package> package_;
};

}  // namespace krdimport
