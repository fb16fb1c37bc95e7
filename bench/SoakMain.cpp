// krd-soak [CYCLES [LINES [embedded|http]]]: a long day at one desk. One screen, opened once,
// loads and imports CYCLES integration files (default 1,000) of LINES menu lines (default 10,000)
// in turn, against one application server on a demo company, and the process's resident memory
// and open descriptors are watched throughout. The server lives in this process: called directly
// (embedded, the default), or over HTTP on loopback, so that the sockets of both ends count
// among the descriptors.
//
// Each file covers a week of its own, one week after the last, so every import passes the
// period rule as a user's next week would; nothing is deleted between cycles.
//
// Fails (exit 1) when an import does not go through, when the import log does not count every
// cycle, when descriptors at the end outnumber those after the warm-up, or when resident memory
// at the end exceeds the warm-up's by more than kMemoryGrowthBoundKb (32 MB).
#include "BenchFiles.h"
#include "DemoCompany.h"
#include "HeadlessImport.h"
#include "HttpServer.h"
#include "ApplicationServer.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "SyntheticMenuFile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Caches (the store's pages, the allocator's free lists, the screen's datasets) settle within the
// first cycles; growth is measured from here on.
constexpr int kWarmUpCycles = 50;
constexpr long kMemoryGrowthBoundKb = 32 * 1024;

struct Gauge {
    long rssKb = 0;
    long descriptors = 0;
};

Gauge Measure() {
    Gauge gauge;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) gauge.rssKb = std::stol(line.substr(6));
    // The directory iterator's own descriptor is counted too, alike in every sample.
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++gauge.descriptors;
    return gauge;
}

void Report(const std::string& when, const Gauge& gauge) {
    std::printf("%s: RSS %.1f MB, %ld descriptors\n", when.c_str(), gauge.rssKb / 1024.0, gauge.descriptors);
    std::fflush(stdout);
}

// Branch 0001 of the demo company registers services 00001 to 00003 with diets 0001 to 0004 and
// dishes 000001 to 000030: a file of that shape from branch 0002 maps onto it through the mappings
// kept for the pair.
fs::path WriteWeek(const fs::path& folder, int cycle, std::uint64_t lines, TDateTime firstDay) {
    SyntheticMenuSettings settings;
    settings.services = 3;
    settings.dietsPerService = 4;
    settings.dishes = 30;
    settings.days = 7;
    settings.menuLines = lines;
    settings.originBranch = appserver::DemoCompany::kOriginBranch;
    settings.seed = static_cast<std::uint64_t>(cycle) + 1;
    settings.firstDay = firstDay;
    const fs::path file = folder / ("semana-" + std::to_string(cycle) + ".txt");
    std::ofstream out(file, std::ios::binary);
    SyntheticMenuFile(settings).Write(out);
    if (!out) throw std::runtime_error("cannot write " + file.string());
    return file;
}

long LoggedImports(const fs::path& database) {
    appserver::SqliteDatabase db(database.string());
    auto query = db.Prepare("SELECT COUNT(*) FROM LOGIMPORTACAO WHERE CDFILIAL = '0001'");
    query.Step();
    return static_cast<long>(query.Integer(0));
}

int Soak(const fs::path& folder, int cycles, std::uint64_t lines, const std::string& transport) {
    krdimport::ImportOptions options;
    options.database = folder / "empresa.db";
    options.file = folder / "semana-0.txt";  // the embedded server reads below its folder
    options.branch = "0001";
    options.operatorCode = "SOAK";
    options.modulePath = KRD52100_MODULE_PATH;
    appserver::DemoCompany::Create(options.database.string(), folder / "cardapio-demo.txt");
    appserver::DemoCompany::KeepSyntheticMappings(options.database.string());
    std::unique_ptr<appserver::ApplicationServer> module;
    std::unique_ptr<appserver::HttpServer> http;
    if (transport == "http") {
        module = std::make_unique<appserver::ApplicationServer>(
            appserver::ServerConfig{options.database.string(), {folder}});
        http = std::make_unique<appserver::HttpServer>(*module, appserver::HttpServerOptions{});
        options.server = "http://127.0.0.1:" + std::to_string(http->Start());
    }

    // What the screen says goes here and is shown only for a cycle that fails.
    std::ostringstream messages;
    krdimport::HeadlessImport screen(options, messages, messages);
    if (screen.Open() != krdimport::ImportOutcome::Success) {
        std::cerr << messages.str() << "krd-soak: the screen did not open\n";
        return 1;
    }
    const auto started = std::chrono::steady_clock::now();
    const Gauge start = Measure();
    Report("start (screen open)", start);
    Gauge warm = start;
    const TDateTime firstWeek = EncodeDate(2025, 6, 2);  // after the demo's withdrawal and week
    for (int cycle = 0; cycle < cycles; ++cycle) {
        const TDateTime firstDay = firstWeek + 7 * cycle;
        const fs::path file = WriteWeek(folder, cycle, lines, firstDay);
        messages.str("");
        if (screen.ImportFile(file, firstDay) != krdimport::ImportOutcome::Success) {
            std::cerr << messages.str() << "krd-soak: cycle " << cycle + 1 << " did not import\n";
            return 1;
        }
        fs::remove(file);
        const int done = cycle + 1;
        if (done == kWarmUpCycles) Report("after " + std::to_string(done) + " cycles (warm)", warm = Measure());
        else if (done % 100 == 0) Report("after " + std::to_string(done) + " cycles", Measure());
    }
    const Gauge end = Measure();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    Report("end", end);
    std::printf("%d cycles of %llu lines (%s) in %.1f s\n", cycles, static_cast<unsigned long long>(lines),
                transport.c_str(), seconds);

    int failures = 0;
    if (const long logged = LoggedImports(options.database); logged != cycles) {
        std::cerr << "krd-soak: the import log counts " << logged << " imports, not " << cycles << "\n";
        ++failures;
    }
    if (end.descriptors > warm.descriptors) {
        std::cerr << "krd-soak: descriptors grew from " << warm.descriptors << " to " << end.descriptors << "\n";
        ++failures;
    }
    if (end.rssKb - warm.rssKb > kMemoryGrowthBoundKb) {
        std::cerr << "krd-soak: resident memory grew by " << (end.rssKb - warm.rssKb) / 1024 << " MB after the warm-up\n";
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    int cycles = 1000;
    std::uint64_t lines = 10000;
    const std::string transport = argc > 3 ? argv[3] : "embedded";
    try {
        if (argc > 1) cycles = std::stoi(argv[1]);
        if (argc > 2) lines = std::stoull(argv[2]);
    } catch (const std::exception&) {
        cycles = 0;
    }
    if (cycles < kWarmUpCycles || lines == 0 || (transport != "embedded" && transport != "http")) {
        std::cerr << "usage: krd-soak [CYCLES [LINES [embedded|http]]], at least " << kWarmUpCycles
                  << " cycles (the warm-up)\n";
        return 2;
    }
    const fs::path folder = MakeBenchFolder("krd-soak");
    int status = 2;
    try {
        status = Soak(folder, cycles, lines, transport);
    } catch (const std::exception& error) {
        std::cerr << "krd-soak: " << error.what() << "\n";
    }
    fs::remove_all(folder);
    return status;
}
