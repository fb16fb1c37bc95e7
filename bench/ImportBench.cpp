// Writing speed and memory of the menu import (ImportaCardapio in import mode, end to end: the
// definitions pass, the checks and the streaming write in one transaction), against the sqlite3
// shell's ".import" of the same rows as CSV into the same CARDAPIO table of a fresh store.
// Targets: the import at no more than 0.9 times the .import time in each of three runs; peak
// memory of an importing process under twice the file size. The second import of a file over the first (every row of the
// period replaced, and kept in the import history for undo) says what the history costs, in time
// and in the store's bytes per menu line.
//
// Files of 10^4 and 10^6 menu lines are generated on first use into a temporary folder, with a
// destination branch registered to match them; 10^7 runs only with KRD_BENCH_HUGE=1.
//
// Reporting progress (GetProgressoImportacao) may cost the import at most 2% of its time:
// BM_ImportProgressCost runs the import with and without a progress sink, alternately.
#include "BenchFiles.h"
#include "ApplicationServer.h"
#include "Clock.h"
#include "FileAccess.h"
#include "ImportProgress.h"
#include "ImportRoots.h"
#include "MenuExchange.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "StoreSchema.h"
#include "SyntheticMenuFile.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using appserver::ApplicationServer;
using appserver::SqliteDatabase;

constexpr const char* kBranch = "0009";

// One generated file with its prepared store: a template database that knows the destination
// branch, the load's proposal, and the rows an import writes, dumped as CSV.
struct Workload {
    std::filesystem::path folder, file, templateDb, csv;
    Variant::Array mapping;  // services, diets, dish types
    uint64_t fileBytes = 0;
};

void FreshCopy(const std::filesystem::path& from, const std::filesystem::path& to) {
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(to.string() + suffix);
    std::filesystem::copy_file(from, to);
}

Variant RunImport(const Workload& work, const std::filesystem::path& db) {
    ApplicationServer module(appserver::ServerConfig{db.string(), {work.folder}});
    return module.Dispatch("ImportaCardapio",
                           {work.file.filename().string(), "BENCH", kBranch, work.mapping[0], work.mapping[1], work.mapping[2]});
}

Workload Prepare(uint64_t menuLines) {
    Workload work;
    work.folder = MakeBenchFolder("krd-import-bench");
    work.file = work.folder / "menu.txt";
    work.templateDb = work.folder / "template.db";
    work.csv = work.folder / "rows.csv";

    SyntheticMenuFile synthetic(MenuWorkload(menuLines));
    {
        std::ofstream out(work.file, std::ios::binary);
        synthetic.Write(out);
    }
    work.fileBytes = std::filesystem::file_size(work.file);
    {
        SqliteDatabase db(work.templateDb.string());
        appserver::StoreSchema::Migrate(db);
        RegisterDestination(db, synthetic.Definitions());
    }
    ApplicationServer module(appserver::ServerConfig{work.templateDb.string(), {work.folder}});
    const Variant load = module.Dispatch("ImportaCardapio",
                                         {work.file.filename().string(), "BENCH", kBranch, Variant(), Variant(), Variant()});
    const Variant& proposal = load[2];
    work.mapping = {proposal[2], proposal[3], proposal[4]};

    const auto reference = work.folder / "reference.db";
    FreshCopy(work.templateDb, reference);
    RunImport(work, reference);
    const std::string dump = "sqlite3 -csv " + reference.string() + " 'SELECT * FROM CARDAPIO' > " + work.csv.string();
    if (std::system(dump.c_str()) != 0) throw std::runtime_error("sqlite3 dump failed");
    return work;
}

const Workload& For(uint64_t menuLines) {
    static std::map<uint64_t, Workload> workloads;
    static struct Cleanup {
        ~Cleanup() {
            for (const auto& [lines, work] : workloads) std::filesystem::remove_all(work.folder);
        }
    } cleanup;
    auto found = workloads.find(menuLines);
    if (found == workloads.end()) found = workloads.emplace(menuLines, Prepare(menuLines)).first;
    return found->second;
}

void Report(benchmark::State& state, const Workload& work) {
    state.counters["file_MB"] = static_cast<double>(work.fileBytes) / 1e6;
    state.counters["lines_per_s"] =
        benchmark::Counter(static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

void BM_ImportMenus(benchmark::State& state) {
    const Workload& work = For(static_cast<uint64_t>(state.range(0)));
    const auto db = work.folder / "work.db";
    for (auto _ : state) {
        state.PauseTiming();
        FreshCopy(work.templateDb, db);
        state.ResumeTiming();
        const Variant answer = RunImport(work, db);
        if (!answer[0].AsBoolean() || answer[2][0].AsString() != "OK") state.SkipWithError(answer[1].AsString().c_str());
    }
    Report(state, work);
}

// The store's size on disk with its write-ahead log folded in.
double StoreBytes(const std::filesystem::path& db) {
    SqliteDatabase(db.string()).Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    return static_cast<double>(std::filesystem::file_size(db));
}

void BM_ReimportMenus(benchmark::State& state) {
    const Workload& work = For(static_cast<uint64_t>(state.range(0)));
    const auto once = work.folder / "once.db", db = work.folder / "again.db";
    FreshCopy(work.templateDb, once);
    RunImport(work, once);
    const double empty = StoreBytes(work.templateDb), first = StoreBytes(once);
    double second = first;
    for (auto _ : state) {
        state.PauseTiming();
        FreshCopy(once, db);
        state.ResumeTiming();
        const Variant answer = RunImport(work, db);
        if (!answer[0].AsBoolean() || answer[2][0].AsString() != "OK") state.SkipWithError(answer[1].AsString().c_str());
        state.PauseTiming();
        second = StoreBytes(db);
        state.ResumeTiming();
    }
    const auto lines = static_cast<double>(state.range(0));
    state.counters["first_bytes_per_line"] = (first - empty) / lines;
    state.counters["again_bytes_per_line"] = (second - first) / lines;
    Report(state, work);
}

void BM_SqliteShellImport(benchmark::State& state) {
    const Workload& work = For(static_cast<uint64_t>(state.range(0)));
    const auto db = work.folder / "shell.db";
    const std::string command = "sqlite3 " + db.string() + " '.import --csv " + work.csv.string() + " CARDAPIO'";
    for (auto _ : state) {
        state.PauseTiming();
        FreshCopy(work.templateDb, db);
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0) state.SkipWithError("sqlite3 .import failed");
    }
    Report(state, work);
}

double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The import as the server runs it, with its progress published into `progress` and read by a
// poller five times a second as the client's busy panel does; no progress at all when null.
void ImportReporting(const Workload& work, const std::filesystem::path& db, appserver::ImportProgress* progress) {
    SqliteDatabase store(db.string());
    const appserver::LocalFileAccess files;
    const appserver::SystemClock clock;
    const appserver::ImportRoots roots({work.folder}, files);
    appserver::BranchLocks locks;
    appserver::MenuExchange exchange(store, roots, files, clock, locks, 90, progress);
    std::atomic<bool> done = false;
    std::thread poller([&] {
        while (progress && !done) {
            progress->GetProgressoImportacao(kBranch);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    });
    const Variant answer = exchange.ImportaCardapio(work.file.filename().string(), "BENCH", kBranch, work.mapping[0],
                                                    work.mapping[1], work.mapping[2]);
    done = true;
    poller.join();
    if (!answer[0].AsBoolean() || answer[2][0].AsString() != "OK") throw std::runtime_error("import failed");
}

// Processor time of the import with progress over the same without, in pairs whose order
// alternates, so that both meet the same neighbours on a shared machine.
void BM_ImportProgressCost(benchmark::State& state) {
    const Workload& work = For(static_cast<uint64_t>(state.range(0)));
    const auto db = work.folder / "progress.db";
    double with = 0, without = 0;
    bool reportingFirst = false;
    for (auto _ : state) {
        for (const bool reporting : {reportingFirst, !reportingFirst}) {
            state.PauseTiming();
            FreshCopy(work.templateDb, db);
            state.ResumeTiming();
            appserver::ImportProgress progress;
            const double start = ProcessSeconds();
            ImportReporting(work, db, reporting ? &progress : nullptr);
            (reporting ? with : without) += ProcessSeconds() - start;
        }
        reportingFirst = !reportingFirst;
    }
    state.counters["with_s"] = with / static_cast<double>(state.iterations());
    state.counters["without_s"] = without / static_cast<double>(state.iterations());
    state.counters["cost_pct"] = (with / without - 1.0) * 100.0;
}

// Peak resident memory of a process that does nothing but the import, over the file's size.
void BM_ImportPeakMemory(benchmark::State& state) {
    const Workload& work = For(static_cast<uint64_t>(state.range(0)));
    const auto db = work.folder / "memory.db";
    double peakBytes = 0;
    for (auto _ : state) {
        FreshCopy(work.templateDb, db);
        const pid_t child = fork();
        if (child == 0) {
            const Variant answer = RunImport(work, db);
            _exit(answer[0].AsBoolean() ? 0 : 1);
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("import failed in the child");
        peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
    }
    state.counters["peak_MB"] = peakBytes / 1e6;
    state.counters["peak_over_file"] = peakBytes / static_cast<double>(work.fileBytes);
    Report(state, work);
}

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(10'000)->Arg(1'000'000);
    if (const char* huge = std::getenv("KRD_BENCH_HUGE"); huge && std::string(huge) == "1") bench->Arg(10'000'000);
    bench->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_ImportMenus)->Apply(Sizes);
BENCHMARK(BM_ReimportMenus)->Apply(Sizes);
BENCHMARK(BM_SqliteShellImport)->Apply(Sizes);
BENCHMARK(BM_ImportPeakMemory)->Apply(Sizes)->Iterations(1);
BENCHMARK(BM_ImportProgressCost)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);

}  // namespace
