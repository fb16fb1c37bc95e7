// Speed and memory of the menu export (ExportaCardapio writing a file, end to end: the checking
// pass over the rows, the writing pass, the flush to the disk and the rename), against the
// sqlite3 shell dumping the same rows as CSV. Targets: the export at no more than 1.5 times the
// dump's time; peak memory of an exporting process under twice the file's size.
//
// The store is filled once, on first use, by importing a generated file of 10^4 or 10^6 menu
// lines into branch 0009.
#include "ApplicationServer.h"
#include "BenchFiles.h"
#include "StoreSchema.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <map>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Store {
    std::filesystem::path folder, db, file;
    TDateTime first, last;
};

Store Fill(uint64_t menuLines) {
    Store store{MakeBenchFolder("krd-export-bench"), {}, {}, {}, {}};
    store.db = store.folder / "empresa.db";
    store.file = store.folder / "exportado.txt";
    const auto source = store.folder / "origem.txt";
    SyntheticMenuFile synthetic(MenuWorkload(menuLines));
    {
        std::ofstream out(source, std::ios::binary);
        synthetic.Write(out);
    }
    store.first = synthetic.Definitions().header.firstDay;
    store.last = synthetic.Definitions().header.lastDay;
    {
        appserver::SqliteDatabase db(store.db.string());
        appserver::StoreSchema::Migrate(db);
        RegisterDestination(db, synthetic.Definitions());
    }
    appserver::ApplicationServer server(appserver::ServerConfig{store.db.string(), {store.folder}});
    const Variant load =
        server.Dispatch("ImportaCardapio", {"origem.txt", "BENCH", "0009", Variant(), Variant(), Variant()});
    const Variant imported =
        server.Dispatch("ImportaCardapio", {"origem.txt", "BENCH", "0009", load[2][2], load[2][3], load[2][4]});
    if (!imported[0].AsBoolean()) throw std::runtime_error(imported[1].AsString());
    std::filesystem::remove(source);
    return store;
}

const Store& For(uint64_t menuLines) {
    static std::map<uint64_t, Store> stores;
    static struct Cleanup {
        ~Cleanup() {
            for (const auto& [lines, store] : stores) std::filesystem::remove_all(store.folder);
        }
    } cleanup;
    auto found = stores.find(menuLines);
    if (found == stores.end()) found = stores.emplace(menuLines, Fill(menuLines)).first;
    return found->second;
}

Variant RunExport(const Store& store) {
    appserver::ServerConfig config{store.db.string(), {}};
    config.exportRoots = {store.folder};
    return appserver::ApplicationServer(config).Dispatch(
        "ExportaCardapio", {"0009", store.first, store.last, Variant(), store.file.string()});
}

void Report(benchmark::State& state, const Store& store, double lines) {
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(store.file)) / 1e6;
    state.counters["lines_per_s"] =
        benchmark::Counter(lines * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_ExportMenus(benchmark::State& state) {
    const Store& store = For(static_cast<uint64_t>(state.range(0)));
    double lines = 0;
    for (auto _ : state) {
        const Variant answer = RunExport(store);
        if (!answer[0].AsBoolean()) state.SkipWithError(answer[1].AsString().c_str());
        lines = static_cast<double>(answer[2][5].AsInteger());
    }
    Report(state, store, lines);
}

void BM_SqliteShellDump(benchmark::State& state) {
    const Store& store = For(static_cast<uint64_t>(state.range(0)));
    if (!std::filesystem::exists(store.file)) RunExport(store);
    const std::string command = "sqlite3 -csv " + store.db.string() + " \"SELECT * FROM CARDAPIO WHERE CDFILIAL = '0009'\" > " +
                                (store.folder / "dump.csv").string();
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("sqlite3 dump failed");
    }
    Report(state, store, static_cast<double>(state.range(0)));
}

// Peak resident memory of a process that does nothing but the export, over the file's size.
void BM_ExportPeakMemory(benchmark::State& state) {
    const Store& store = For(static_cast<uint64_t>(state.range(0)));
    double peakBytes = 0;
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) _exit(RunExport(store)[0].AsBoolean() ? 0 : 1);
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("export failed in the child");
        peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
    }
    state.counters["peak_MB"] = peakBytes / 1e6;
    state.counters["peak_over_file"] = peakBytes / static_cast<double>(std::filesystem::file_size(store.file));
    Report(state, store, static_cast<double>(state.range(0)));
}

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_ExportMenus)->Apply(Sizes);
BENCHMARK(BM_SqliteShellDump)->Apply(Sizes);
BENCHMARK(BM_ExportPeakMemory)->Apply(Sizes)->Iterations(1);

}  // namespace
