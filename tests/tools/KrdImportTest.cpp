// krd-import run as a process on a fresh demo company: what it prints, what it writes into the
// company's database and the exit status a script sees.
#include "DemoCompany.h"
#include "HttpServer.h"
#include "ServerFixture.h"
#include "ApplicationServer.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "SyntheticMenuFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class KrdImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("krd-import-test-" + std::to_string(random()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void CreateDemo() { appserver::DemoCompany::Create(Database().string(), DemoFile()); }
    fs::path Database() const { return dir_ / "empresa.db"; }
    fs::path DemoFile() const { return dir_ / "cardapio-demo.txt"; }

    // Runs krd-import with the arguments (a shell word list) and collects its output.
    ToolRun Import(const std::string& arguments) {
        const fs::path out = dir_ / "out.txt", err = dir_ / "err.txt";
        const std::string command = std::string("'") + KRD_IMPORT_PATH + "' " + arguments + " >'" + out.string() +
                                    "' 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        ToolRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Slurp(out);
        run.err = Slurp(err);
        return run;
    }
    std::string ImportDemo(const std::string& branch, const std::string& extra = "") {
        return "'" + DemoFile().string() + "' --branch " + branch + " " + extra;
    }

    int MenuRows(const std::string& branch) {
        appserver::SqliteDatabase db(Database().string());
        auto query = db.Prepare("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = ?");
        query.Bind(1, branch);
        query.Step();
        return static_cast<int>(query.Integer(0));
    }

    fs::path dir_;
};

TEST_F(KrdImportTest, DryRunPrintsTheProposedMappingsAndWritesNoMenu) {
    CreateDemo();
    const ToolRun run = Import(ImportDemo("0003", "--dry-run --show-mappings"));
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* title : {"Services (", "Diets (", "Dish types ("}) EXPECT_NE(run.out.find(title), std::string::npos) << title;
    EXPECT_NE(run.out.find("Import"), std::string::npos);  // the dish types' import mark column
    EXPECT_NE(run.out.find("00052        ALMOCO HOSPITALAR    name\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("Services (0 rows)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Dry run"), std::string::npos);
    EXPECT_EQ(MenuRows("0003"), 0);
}

TEST_F(KrdImportTest, ImportWritesTheMenusOfTheDestinationBranchInEitherHostMode) {
    for (const char* mode : {"matriz", "filial"}) {
        SCOPED_TRACE(mode);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        CreateDemo();
        const ToolRun run = Import(ImportDemo("0003", std::string("--mode ") + mode));
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.err.find("Importação realizada com sucesso!"), std::string::npos) << run.err;
        EXPECT_GT(MenuRows("0003"), 0);
        EXPECT_EQ(MenuRows("0001"), 0);
    }
}

// A week of 300,000 menu lines, long enough to import that the progress line shows meanwhile.
TEST_F(KrdImportTest, ProgressLineShowsOnATerminalAndNeverInAFile) {
    CreateDemo();
    appserver::testing::KeepSyntheticMappingsInto0003(Database().string());
    auto week = [&](const std::string& day, TDateTime first) {
        SyntheticMenuSettings settings;
        settings.dishes = 30;
        settings.menuLines = 300000;
        settings.originBranch = appserver::DemoCompany::kOriginBranch;
        settings.firstDay = first;
        const fs::path file = dir_ / ("semana-" + day + ".txt");
        std::ofstream out(file, std::ios::binary);
        SyntheticMenuFile(settings).Write(out);
        return "'" + file.string() + "' --branch 0003 --date " + day;
    };
    const ToolRun inFile = Import(week("2025-06-02", EncodeDate(2025, 6, 2)));
    EXPECT_EQ(inFile.status, 0) << inFile.err;
    EXPECT_EQ(inFile.err.find("Linhas lidas"), std::string::npos) << inFile.err;
    EXPECT_EQ(inFile.err.find('\r'), std::string::npos);

    const fs::path typescript = dir_ / "terminal.txt";
    const std::string onTerminal = "script -qec \"'" + std::string(KRD_IMPORT_PATH) + "' " + week("2025-06-09", EncodeDate(2025, 6, 9)) +
                                   "\" /dev/null >'" + typescript.string() + "'";
    EXPECT_EQ(std::system(onTerminal.c_str()), 0);
    EXPECT_NE(Slurp(typescript).find("\rLinhas lidas: "), std::string::npos) << Slurp(typescript);
}

TEST_F(KrdImportTest, ImportOverHttpWritesThroughTheServingProcess) {
    CreateDemo();
    appserver::ApplicationServer module(appserver::ServerConfig{Database().string(), {dir_}});
    appserver::HttpServer server(module, appserver::HttpServerOptions{});
    const int port = server.Start();
    const ToolRun run = Import(ImportDemo("0003", "--server http://127.0.0.1:" + std::to_string(port) + " --date 2025-03-07"));
    server.Stop();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_GT(MenuRows("0003"), 0);
}

// Every refusal the screen shows, and only that one: the run stops at the first.
TEST_F(KrdImportTest, RefusalsShowTheScreensMessageOnceAndExitOne) {
    CreateDemo();
    std::ofstream(dir_ / "sem-servicos.txt") << "CARDAPIO\xF8"
                                                "0002\xF8"
                                                "Filial\xF8"
                                                "20250303\xF8"
                                                "20250309\xF8\r\n";
    struct Case {
        std::string arguments;
        const char* message;
    } cases[] = {
        {ImportDemo("0004"), "Filial com contrato rescindido."},
        {ImportDemo("9999"), "Filial não cadastrada."},
        {"'" + (dir_ / "nenhum.txt").string() + "' --branch 0003", "Arquivo não existe."},
        {"/proc/self/mem --branch 0003 --db '" + Database().string() + "'", "/proc/self/mem"},
        {ImportDemo("0003", "--date 2025-02-30"), "Data inválida."},
        {"'" + (dir_ / "sem-servicos.txt").string() + "' --branch 0003", "no service"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolRun run = Import(c.arguments);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one refusal only:\n" << run.err;
    }
    EXPECT_EQ(MenuRows("0003"), 0);
}

TEST_F(KrdImportTest, SamePeriodTwiceIsRefusedTheSecondTime) {
    CreateDemo();
    ASSERT_EQ(Import(ImportDemo("0001")).status, 0);
    const int rows = MenuRows("0001");
    const ToolRun again = Import(ImportDemo("0001"));
    EXPECT_EQ(again.status, 1) << again.err;
    EXPECT_NE(again.err.find("Importação bloqueada."), std::string::npos) << again.err;
    EXPECT_EQ(MenuRows("0001"), rows);
}

TEST_F(KrdImportTest, DemoOptionCreatesTheCompanyOnceAndImportsIntoBranch0003) {
    const fs::path demo = dir_ / "demo";
    const ToolRun first = Import("--demo '" + demo.string() + "'");
    EXPECT_EQ(first.status, 0) << first.err;
    ASSERT_TRUE(fs::exists(demo / "empresa.db"));
    appserver::SqliteDatabase db((demo / "empresa.db").string());
    auto query = db.Prepare("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0003'");
    query.Step();
    EXPECT_GT(query.Integer(0), 0);
    // The second run finds the company already there and the period already imported.
    EXPECT_EQ(Import("--demo '" + demo.string() + "'").status, 1);
}

TEST_F(KrdImportTest, BadArgumentsOrUnreachablePiecesExitTwo) {
    CreateDemo();
    for (const std::string& arguments :
         {std::string(""), ImportDemo(""), ImportDemo("0003", "--date 07/03/2025"),
          ImportDemo("0003", "--mode central"), ImportDemo("0003", "--no-such-option"),
          ImportDemo("0003", "--db '" + (dir_ / "none.db").string() + "'"),
          ImportDemo("0003", "--module '" + (dir_ / "none.so").string() + "'"),
          ImportDemo("0003", "--server http://127.0.0.1:1")}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(Import(arguments).status, 2);
    }
    EXPECT_EQ(MenuRows("0003"), 0);
}

}  // namespace
