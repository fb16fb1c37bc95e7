#include "ServerFixture.h"

#include "IntegrationFileWriter.h"
#include "KeptMappings.h"
#include "SqliteStatement.h"

#include <fstream>
#include <random>

namespace appserver::testing {

void ServerFixture::SetUp() {
    std::random_device random;
    dir_ = std::filesystem::temp_directory_path() / ("krd-appserver-test-" + std::to_string(random()));
    std::filesystem::create_directories(dir_);
    dir_ = std::filesystem::canonical(dir_);
    dbPath_ = (dir_ / "empresa.db").string();
    DemoCompany::Create(dbPath_, dir_ / "cardapio-demo.txt");
    module_ = MakeModule();
}

void ServerFixture::TearDown() {
    module_.reset();
    std::filesystem::remove_all(dir_);
}

std::unique_ptr<ApplicationServer> ServerFixture::MakeModule(std::shared_ptr<const FileAccess> files) {
    ServerConfig config{dbPath_, {dir_}};
    config.exportRoots = {dir_};
    return std::make_unique<ApplicationServer>(config, std::move(files), clock_);
}

Answer ServerFixture::Call(const std::string& method, const Variant::Array& args) {
    auto answer = Answer::Read(module_->Dispatch(method, args));
    EXPECT_TRUE(answer.has_value()) << method << " gave an answer of the wrong shape";
    return answer.value_or(Answer{});
}

Variant ServerFixture::Payload(const std::string& method, const Variant::Array& args) {
    Answer answer = Call(method, args);
    EXPECT_TRUE(answer.ok) << method << ": " << answer.message;
    return answer.payload;
}

Variant ServerFixture::Load(const std::string& branch, const std::string& file) {
    return Payload("ImportaCardapio", {file, "OPER", branch, Variant(), Variant(), Variant()});
}

Answer ServerFixture::Import(const std::string& branch, const Variant& services, const Variant& diets,
                             const Variant& dishTypes, const std::string& file) {
    return Call("ImportaCardapio", {file, "OPER", branch, services, diets, dishTypes});
}

Answer ServerFixture::LoadAndImport(const std::string& branch, const std::string& file) {
    const Variant load = Load(branch, file);
    EXPECT_EQ(load.ArrayLength(), 8u);
    if (load.ArrayLength() != 8) return Answer{};
    return Import(branch, load[2], load[3], load[4], file);
}

void ServerFixture::WriteFile(const std::string& name, const IntegrationFile& file, const std::vector<Line>& lines) {
    std::ofstream out(dir_ / name, std::ios::binary);
    IntegrationFileWriter writer(out);
    writer.Write(file);
    for (const auto& line : lines)
        writer.Write(MenuLine{line.service, line.date, line.diet, line.dishType, line.sequence, line.dish, line.diners});
    ASSERT_TRUE(out.good());
}

int64_t ServerFixture::Count(const std::string& sql) {
    SqliteDatabase db(dbPath_);
    auto query = db.Prepare(sql);
    query.Step();
    return query.Integer(0);
}

void ServerFixture::Execute(const std::string& sql) {
    SqliteDatabase db(dbPath_);
    db.Execute(sql);
}

void KeepSyntheticMappingsInto0003(const std::string& databasePath) {
    SqliteDatabase db(databasePath);
    KeptMappings kept(db, DemoCompany::kOriginBranch, "0003");
    const char* const services[][2] = {{"00001", "00071"}, {"00002", "00052"}, {"00003", "00038"}};
    const char* const diets[][2] = {{"0001", "0031"}, {"0002", "0017"}, {"0003", "0042"}, {"0004", "0024"}};
    for (const auto& service : services) {
        kept.SetService(service[0], service[1]);
        for (const auto& diet : diets) kept.SetDiet(service[0], diet[0], {service[1], diet[1]});
    }
}

Variant DirectoryDelta(RowKind kind, const std::string& program, const std::string& directory) {
    DataPacket delta;
    delta.Fields = {{"CDPROGRAMA", FieldType::String, 8}, {"DSDIRETORIO", FieldType::String, 100}};
    delta.AddRow({program, directory}, kind);
    return Variant(std::move(delta));
}

std::vector<std::string> Column(const Variant& packet, const std::string& field) {
    std::vector<std::string> values;
    const DataPacket& table = packet.AsPacket();
    for (size_t row = 0; row < table.Rows.size(); ++row) values.push_back(table.Value(row, field).AsString());
    return values;
}

Variant Filter(const Variant& packet, const std::function<bool(const DataPacket&, size_t)>& keep) {
    DataPacket copy = packet.AsPacket();
    DataPacket result;
    result.Fields = copy.Fields;
    for (size_t row = 0; row < copy.Rows.size(); ++row) {
        if (keep(copy, row)) result.Rows.push_back(copy.Rows[row]);
    }
    return Variant(std::move(result));
}

Variant Change(const Variant& packet, const std::string& field, const Variant& value,
               const std::function<bool(const DataPacket&, size_t)>& match) {
    DataPacket copy = packet.AsPacket();
    const size_t column = *copy.FieldIndex(field);
    for (size_t row = 0; row < copy.Rows.size(); ++row) {
        if (match(copy, row)) copy.Rows[row].Values[column] = value;
    }
    return Variant(std::move(copy));
}

}  // namespace appserver::testing
