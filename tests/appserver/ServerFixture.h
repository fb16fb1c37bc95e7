#pragma once
// A real server on a temporary demo database: the module, its import root (the temporary folder,
// which also holds the demo file), a pinned clock, and helpers to call methods and read packets.
#include "Answer.h"
#include "Clock.h"
#include "DataPacket.h"
#include "DemoCompany.h"
#include "ApplicationServer.h"
#include "IntegrationFile.h"
#include "SqliteDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace appserver::testing {

class PinnedClock : public Clock {
public:
    TDateTime now = EncodeDate(2025, 2, 20);
    TDateTime Now() const override { return now; }
};

class ServerFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds a module over the fixture's database with the given file access (the real one
    // when null).
    std::unique_ptr<ApplicationServer> MakeModule(std::shared_ptr<const FileAccess> files = nullptr);

    // Calls a method and expects a well-formed answer.
    Answer Call(const std::string& method, const Variant::Array& args);
    // Calls a method that must succeed and returns its payload.
    Variant Payload(const std::string& method, const Variant::Array& args);

    // The load of the demo file (or another) into a branch: ["OK", Null, six packets].
    Variant Load(const std::string& branch, const std::string& file = "cardapio-demo.txt");
    // Imports with the given mapping packets.
    Answer Import(const std::string& branch, const Variant& services, const Variant& diets, const Variant& dishTypes,
                  const std::string& file = "cardapio-demo.txt");
    // Loads, then imports the proposal unchanged.
    Answer LoadAndImport(const std::string& branch, const std::string& file = "cardapio-demo.txt");

    // A menu line that owns its text, for writing test files.
    struct Line {
        std::string service;
        TDateTime date;
        std::string diet, dishType;
        int sequence;
        std::string dish;
        int diners;
    };
    // Writes an integration file into the import root.
    void WriteFile(const std::string& name, const IntegrationFile& file, const std::vector<Line>& lines);

    // One number from the store, e.g. "SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0001'".
    int64_t Count(const std::string& sql);
    void Execute(const std::string& sql);

    std::filesystem::path dir_;
    std::string dbPath_;
    std::shared_ptr<PinnedClock> clock_ = std::make_shared<PinnedClock>();
    std::unique_ptr<ApplicationServer> module_;
};

// Keeps, as a person would have set them once, the mappings of a synthetic week from
// DemoCompany::kOriginBranch (services 00001 to 00003, diets 0001 to 0004, names of its own) to
// the codes branch 0003 registers: services 00071, 00052, 00038; diets 0031, 0017, 0042, 0024.
void KeepSyntheticMappingsInto0003(const std::string& databasePath);

// A change log of the remembered-directory packet (SetDiretorio's argument) with one row.
Variant DirectoryDelta(RowKind kind, const std::string& program, const std::string& directory);
// The values of one column of a packet, as text.
std::vector<std::string> Column(const Variant& packet, const std::string& field);
// A copy of a packet with the rows for which `keep` is false removed.
Variant Filter(const Variant& packet, const std::function<bool(const DataPacket&, size_t)>& keep);
// A copy of a packet with one field set in every row for which `match` is true.
Variant Change(const Variant& packet, const std::string& field, const Variant& value,
               const std::function<bool(const DataPacket&, size_t)>& match);

}  // namespace appserver::testing
