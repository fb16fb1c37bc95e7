// A series of imports on one open screen, in process: each import is judged on its own, so a
// refusal neither outlives its import nor leaves the screen unable to load the next file.
#include "DemoCompany.h"
#include "HeadlessImport.h"
#include "ServerFixture.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "SyntheticMenuFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using krdimport::ImportOutcome;

class HeadlessImportSeriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("headless-series-test-" + std::to_string(random()));
        fs::create_directories(dir_);
        appserver::DemoCompany::Create(Database().string(), dir_ / "cardapio-demo.txt");
        appserver::testing::KeepSyntheticMappingsInto0003(Database().string());
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Database() const { return dir_ / "empresa.db"; }

    // A week of menus from branch 0002 (services 00001 to 00003, diets 0001 to 0004, dishes
    // 000001 to 000030), under names of its own, into branch 0003 through the kept mappings.
    fs::path Week(const std::string& name, TDateTime firstDay) {
        SyntheticMenuSettings settings;
        settings.services = 3;
        settings.dietsPerService = 4;
        settings.dishes = 30;
        settings.days = 7;
        settings.originBranch = appserver::DemoCompany::kOriginBranch;
        settings.firstDay = firstDay;
        const fs::path file = dir_ / name;
        std::ofstream out(file, std::ios::binary);
        SyntheticMenuFile(settings).Write(out);
        return file;
    }

    krdimport::ImportOptions Options(const fs::path& file) const {
        krdimport::ImportOptions options;
        options.file = file;
        options.branch = "0003";
        options.database = Database();
        options.operatorCode = "TESTE";
        options.modulePath = KRD52100_MODULE_PATH;
        return options;
    }

    long Imports() {
        appserver::SqliteDatabase db(Database().string());
        auto query = db.Prepare("SELECT COUNT(*) FROM LOGIMPORTACAO WHERE CDFILIAL = '0003'");
        query.Step();
        return static_cast<long>(query.Integer(0));
    }

    fs::path dir_;
};

TEST_F(HeadlessImportSeriesTest, OneScreenImportsWeekAfterWeekAndGetsOverARefusal) {
    const TDateTime june = EncodeDate(2025, 6, 2), july = EncodeDate(2025, 7, 7);
    const fs::path first = Week("junho.txt", june), second = Week("julho.txt", july);
    std::ostringstream messages;
    krdimport::HeadlessImport screen(Options(first), messages, messages);
    ASSERT_EQ(screen.Open(), ImportOutcome::Success) << messages.str();

    EXPECT_EQ(screen.ImportFile(first, june), ImportOutcome::Success) << messages.str();
    messages.str("");
    EXPECT_EQ(screen.ImportFile(first, june), ImportOutcome::Refused) << messages.str();
    EXPECT_NE(messages.str().find("Importação bloqueada."), std::string::npos) << messages.str();
    messages.str("");
    EXPECT_EQ(screen.ImportFile(second, july), ImportOutcome::Success) << messages.str();
    EXPECT_EQ(Imports(), 2);
}

TEST_F(HeadlessImportSeriesTest, AMissingFileIsRefusedAndTheNextFileStillImports) {
    const TDateTime june = EncodeDate(2025, 6, 2);
    const fs::path week = Week("junho.txt", june);
    std::ostringstream messages;
    krdimport::HeadlessImport screen(Options(week), messages, messages);
    ASSERT_EQ(screen.Open(), ImportOutcome::Success) << messages.str();

    EXPECT_EQ(screen.ImportFile(dir_ / "ausente.txt", june), ImportOutcome::Refused) << messages.str();
    messages.str("");
    EXPECT_EQ(screen.ImportFile(week, june), ImportOutcome::Success) << messages.str();
    EXPECT_EQ(Imports(), 1);
}

}  // namespace
