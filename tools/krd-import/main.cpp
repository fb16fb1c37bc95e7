// krd-import: imports an integration file by working the menu import screen headlessly, the way
// a user at a desk would, and says by its exit status how it went: 0 imported (or, in a dry run,
// loaded and configured), 1 refused by the screen, 2 error (arguments, module or server).
#include "DemoCompany.h"
#include "HeadlessImport.h"
#include "TerminalProgress.h"

#include "Package.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <optional>

#include <unistd.h>

namespace {

constexpr int kError = static_cast<int>(krdimport::ImportOutcome::Error);

// The YYYY-MM-DD of the command line as a user types the day into the screen's date edit
// (dd/mm/yyyy), or "" when the text has not that shape. Whether it is a real day is the
// screen's to say.
std::string ScreenDateText(const std::string& text) {
    int year = 0, month = 0, day = 0;
    char rest = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &rest) != 3)
        return {};
    char typed[16];
    std::snprintf(typed, sizeof typed, "%02d/%02d/%04d", day, month, year);
    return typed;
}

// Creates the demo company and its integration file in `folder` unless both are there, and
// points the options at them: the demo file into branch 0003.
void UseDemo(const std::filesystem::path& folder, krdimport::ImportOptions& options) {
    std::filesystem::create_directories(folder);
    options.database = folder / "empresa.db";
    options.file = folder / "cardapio-demo.txt";
    if (options.branch.empty()) options.branch = "0003";
    const bool haveDatabase = std::filesystem::exists(options.database);
    if (haveDatabase && std::filesystem::exists(options.file)) return;
    if (haveDatabase)
        throw std::runtime_error("the demo file is missing beside " + options.database.string() +
                                 "; remove the folder to start over");
    appserver::DemoCompany::Create(options.database.string(), options.file);
    std::cout << "Demo company written to " << options.database.string() << ", demo file "
              << options.file.string() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Imports an integration file of menus by working the menu import screen headlessly.\n"
                 "Every message the screen shows is written to standard error; confirmations are answered Yes.\n"
                 "Exit status: 0 imported (dry run: loaded), 1 refused by the screen, 2 error."};
    krdimport::ImportOptions options;
    std::string mode = "matriz";
    std::string date;
    std::filesystem::path demo;
    options.operatorCode = "IMPORT";
    app.add_option("FILE", options.file, "Integration file");
    app.add_option("--branch", options.branch, "Destination branch code (also the branch the session logs into)");
    app.add_option("--date", date, "Destination start date, YYYY-MM-DD (default: today)");
    app.add_option("--server", options.server, "embedded, or the application server's http://host:port")
        ->capture_default_str();
    app.add_option("--token", options.token, "Access token of an HTTP application server");
    app.add_option("--db", options.database, "Company database (default: empresa.db beside FILE)");
    app.add_option("--mode", mode, "Host mode: filial (branch) or matriz (head office)")
        ->check(CLI::IsMember({"filial", "matriz"}))
        ->capture_default_str();
    app.add_option("--operator", options.operatorCode, "Operator code")->capture_default_str();
    app.add_option("--module", options.modulePath, "The KRD52100 module library (default: beside this program)");
    app.add_flag("--dry-run", options.dryRun, "Load and configure, but do not press the import button");
    app.add_flag("--show-mappings", options.showMappings, "Print the service, diet and dish-type mappings");
    app.add_option("--demo", demo,
                   "Create the demo company and file in DIR when missing, and import the file into branch 0003");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? 0 : kError;
    }

    try {
        if (!demo.empty()) UseDemo(demo, options);
    } catch (const std::exception& error) {
        std::cerr << "krd-import: " << error.what() << "\n";
        return kError;
    }
    if (options.file.empty() || options.branch.empty()) {
        std::cerr << "krd-import: FILE and --branch are required (or --demo DIR)\n";
        return kError;
    }
    if (!date.empty()) {
        options.date = ScreenDateText(date);
        if (options.date.empty()) {
            std::cerr << "krd-import: --date must be written YYYY-MM-DD\n";
            return kError;
        }
    }
    if (options.database.empty()) options.database = std::filesystem::absolute(options.file).parent_path() / "empresa.db";
    if (!std::filesystem::exists(options.database)) {
        std::cerr << "krd-import: no company database at " << options.database.string() << "\n";
        return kError;
    }
    if (options.modulePath.empty()) options.modulePath = Package::BesideProgram("KRD52100.so", KRD52100_MODULE_PATH);
    options.branchMode = mode == "filial";

    // The import's progress line goes to standard error, where the screen's messages go.
    std::optional<krdimport::TerminalProgress> progress;
    if (::isatty(STDERR_FILENO)) progress.emplace(std::cerr);
    krdimport::HeadlessImport run(options, std::cout, std::cerr);
    return static_cast<int>(run.Run());
}
