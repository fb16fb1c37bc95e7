// krd-export run as a process on a fresh demo company, in process and over HTTP: the file it
// leaves and the exit status a script sees.
#include "ApplicationServer.h"
#include "DemoCompany.h"
#include "HttpServer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Case {
    const char* name;
    const char* arguments;  // after -o FILE; "@" stands for the HTTP server's address
    int status;
    const char* err;  // part of standard error ("" for none expected)
};

class KrdExportTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("krd-export-test-" + std::to_string(std::random_device()()));
        fs::create_directories(dir_ / "out");
        appserver::DemoCompany::Create((dir_ / "empresa.db").string(), dir_ / "demo.txt");
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_P(KrdExportTest, WritesTheFileOrExitsWithoutOne) {
    // Over HTTP the server has no export root: the file can only be the client's own writing.
    appserver::ApplicationServer application(appserver::ServerConfig{(dir_ / "empresa.db").string(), {dir_}});
    appserver::HttpServer server(application, appserver::HttpServerOptions{"127.0.0.1", 0, "segredo"});
    std::string arguments = GetParam().arguments;
    if (auto at = arguments.find('@'); at != std::string::npos)
        arguments.replace(at, 1, "http://127.0.0.1:" + std::to_string(server.Start()));
    const fs::path file = dir_ / "out" / "semana.txt";
    const std::string command = std::string(KRD_EXPORT_PATH) + " --branch 0002 --from 2025-03-03 --to 2025-03-09 -o " +
                                file.string() + " --db " + (dir_ / "empresa.db").string() + " " + arguments +
                                " 2>" + (dir_ / "err.txt").string() + " >/dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, GetParam().status);
    const std::string err = Slurp(dir_ / "err.txt");
    EXPECT_NE(err.find(GetParam().err), std::string::npos) << err;
    if (GetParam().status == 0)
        EXPECT_EQ(Slurp(file), Slurp(dir_ / "demo.txt"));
    else
        EXPECT_TRUE(fs::is_empty(dir_ / "out"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KrdExportTest,
    ::testing::Values(Case{"InProcess", "", 0, ""}, Case{"OverHttp", "--server @ --token segredo", 0, ""},
                      Case{"WrongToken", "--server @ --token errado", 2, "(HTTP 401): token de acesso"},
                      Case{"Refused", "--service 00099", 1, "Serviço 00099 não cadastrado na filial 0002."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
