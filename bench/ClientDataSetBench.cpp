// Costs of the client dataset's bulk operations against an in-memory SQLite table with the
// same index, as the yardstick: loading a packet (SetData, sorted by the active index), Locate
// and FindKey on the index's fields, and switching the filter.
#include "DataPacket.h"
#include "TClientDataSet.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Dish-type rows: 64 per service, in shuffled order so that the index really sorts.
struct Row {
    std::string service;
    int sequence;
    std::string type;
    std::string name;
};

std::string Digits(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

std::vector<Row> MakeRows(int count) {
    std::vector<Row> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows.push_back(Row{Digits(i / 64, 5), i % 64, Digits((i * 7) % 100, 2), "Tipo " + std::to_string(i)});
    std::shuffle(rows.begin(), rows.end(), std::mt19937(42));
    return rows;
}

const std::vector<Row>& Rows(int count) {
    static std::map<int, std::vector<Row>> cache;
    auto [it, added] = cache.try_emplace(count);
    if (added) it->second = MakeRows(count);
    return it->second;
}

std::shared_ptr<const DataPacket> Packet(int count) {
    static std::map<int, std::shared_ptr<const DataPacket>> cache;
    auto& packet = cache[count];
    if (packet) return packet;
    auto built = std::make_shared<DataPacket>();
    built->Fields = {FieldDef{"CDSERVFILI", FieldType::String, 5}, FieldDef{"NRSEQ", FieldType::Integer},
                     FieldDef{"CDTIPOPRAT", FieldType::String, 2}, FieldDef{"NMTIPOPRAT", FieldType::String, 15}};
    for (const Row& row : Rows(count)) built->AddRow({row.service, row.sequence, row.type, row.name});
    packet = built;
    return packet;
}

std::unique_ptr<TClientDataSet> Loaded(int count) {
    auto cds = std::make_unique<TClientDataSet>();
    cds->IndexDefs().Add("TIPOPRAT", "CDSERVFILI;NRSEQ;CDTIPOPRAT");
    cds->SetIndexName("TIPOPRAT");
    cds->SetData(Variant(Packet(count)));
    return cds;
}

void CdsSetData(benchmark::State& state) {
    int count = static_cast<int>(state.range(0));
    Variant packet(Packet(count));
    TClientDataSet cds;
    cds.IndexDefs().Add("TIPOPRAT", "CDSERVFILI;NRSEQ;CDTIPOPRAT");
    cds.SetIndexName("TIPOPRAT");
    for (auto _ : state) cds.SetData(packet);
    state.SetItemsProcessed(state.iterations() * count);
}

void CdsLocate(benchmark::State& state) {
    int count = static_cast<int>(state.range(0));
    auto cds = Loaded(count);
    const std::vector<Row>& rows = Rows(count);
    size_t i = 0;
    for (auto _ : state) {
        const Row& row = rows[(i++ * 7919) % rows.size()];
        bool found = cds->Locate("CDSERVFILI;NRSEQ;CDTIPOPRAT", VarArrayOf({row.service, row.sequence, row.type}),
                                 loCaseInsensitive);
        benchmark::DoNotOptimize(found);
    }
}

void CdsFindKey(benchmark::State& state) {
    int count = static_cast<int>(state.range(0));
    auto cds = Loaded(count);
    const std::vector<Row>& rows = Rows(count);
    size_t i = 0;
    for (auto _ : state) {
        const Row& row = rows[(i++ * 7919) % rows.size()];
        benchmark::DoNotOptimize(cds->FindKey({row.service, row.sequence, row.type}));
    }
}

void CdsFilterSwitch(benchmark::State& state) {
    int count = static_cast<int>(state.range(0));
    auto cds = Loaded(count);
    cds->SetFiltered(true);
    int services = (count + 63) / 64;
    int i = 0;
    for (auto _ : state) {
        cds->SetFilter("CDSERVFILI = '" + Digits(i++ * 31 % services, 5) + "'");
        benchmark::DoNotOptimize(cds->RecordCount());
    }
}

// ---- the yardstick

struct Sqlite {
    sqlite3* db = nullptr;
    Sqlite() {
        sqlite3_open(":memory:", &db);
        Exec("CREATE TABLE tipoprat(CDSERVFILI TEXT, NRSEQ INTEGER, CDTIPOPRAT TEXT, NMTIPOPRAT TEXT)");
        Exec("CREATE INDEX tipoprat_order ON tipoprat(CDSERVFILI, NRSEQ, CDTIPOPRAT)");
    }
    ~Sqlite() { sqlite3_close(db); }
    void Exec(const char* sql) { sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

    void Load(const std::vector<Row>& rows) {
        Exec("BEGIN");
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO tipoprat VALUES(?,?,?,?)", -1, &insert, nullptr);
        for (const Row& row : rows) {
            sqlite3_bind_text(insert, 1, row.service.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_int(insert, 2, row.sequence);
            sqlite3_bind_text(insert, 3, row.type.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 4, row.name.c_str(), -1, SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        Exec("COMMIT");
    }
};

void SqliteLoad(benchmark::State& state) {
    const std::vector<Row>& rows = Rows(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Sqlite sqlite;
        sqlite.Load(rows);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void SqliteLocate(benchmark::State& state) {
    const std::vector<Row>& rows = Rows(static_cast<int>(state.range(0)));
    Sqlite sqlite;
    sqlite.Load(rows);
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(sqlite.db,
                       "SELECT rowid FROM tipoprat WHERE CDSERVFILI = ? AND NRSEQ = ? AND CDTIPOPRAT = ? LIMIT 1", -1,
                       &select, nullptr);
    size_t i = 0;
    for (auto _ : state) {
        const Row& row = rows[(i++ * 7919) % rows.size()];
        sqlite3_bind_text(select, 1, row.service.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_int(select, 2, row.sequence);
        sqlite3_bind_text(select, 3, row.type.c_str(), -1, SQLITE_STATIC);
        benchmark::DoNotOptimize(sqlite3_step(select));
        sqlite3_reset(select);
    }
    sqlite3_finalize(select);
}

// The filtered view as SQLite would give it: the ids of one service's rows in index order.
void SqliteFilterSwitch(benchmark::State& state) {
    int count = static_cast<int>(state.range(0));
    Sqlite sqlite;
    sqlite.Load(Rows(count));
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(sqlite.db,
                       "SELECT rowid FROM tipoprat WHERE CDSERVFILI = ? ORDER BY CDSERVFILI, NRSEQ, CDTIPOPRAT", -1,
                       &select, nullptr);
    int services = (count + 63) / 64;
    int i = 0;
    std::vector<int64_t> view;
    for (auto _ : state) {
        std::string service = Digits(i++ * 31 % services, 5);
        sqlite3_bind_text(select, 1, service.c_str(), -1, SQLITE_TRANSIENT);
        view.clear();
        while (sqlite3_step(select) == SQLITE_ROW) view.push_back(sqlite3_column_int64(select, 0));
        sqlite3_reset(select);
        benchmark::DoNotOptimize(view.size());
    }
    sqlite3_finalize(select);
}

} // namespace

BENCHMARK(CdsSetData)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SqliteLoad)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(CdsLocate)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(CdsFindKey)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(SqliteLocate)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(CdsFilterSwitch)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SqliteFilterSwitch)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
