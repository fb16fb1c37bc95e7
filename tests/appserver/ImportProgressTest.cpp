// The progress of an import, asked over HTTP on a connection of its own while the import is in
// the middle of the file: the figures of that moment, then the final ones once it ends.
#include "HttpServer.h"
#include "HttpServerClient.h"
#include "ServerFixture.h"
#include "SyntheticMenuFile.h"

#include <fstream>
#include <tuple>

namespace appserver::testing {
namespace {

constexpr uint64_t kLines = 12000;
constexpr uint64_t kAskAt = 10000;

// The real disk, with a question put to the server as the import reaches one menu line.
class AskingFiles : public LocalFileAccess {
public:
    std::function<void()> ask;
    IntegrationFileReadResult Read(const std::filesystem::path& path, const MenuLineSink& sink) const override {
        if (!sink) return LocalFileAccess::Read(path, sink);
        uint64_t lines = 0;
        return LocalFileAccess::Read(path, [&](const MenuLine& line) {
            if (++lines == kAskAt) ask();
            sink(line);
        });
    }
};

class ImportProgressTest : public ServerFixture {};

using Figures = std::tuple<bool, int64_t, int64_t>;  // running, lines read, rows written

Figures Read(const Variant& raw) {
    const Variant payload = Answer::Read(raw).value_or(Answer{}).payload;
    return {payload[0].AsBoolean(), payload[1].AsInteger(), payload[2].AsInteger()};
}

TEST_F(ImportProgressTest, ProgressReportsTheRunningImportThenItsFinalFigures) {
    KeepSyntheticMappingsInto0003(dbPath_);
    SyntheticMenuSettings settings;
    settings.services = 3;
    settings.dietsPerService = 4;
    settings.dishes = 30;
    settings.menuLines = kLines;
    settings.originBranch = DemoCompany::kOriginBranch;
    settings.firstDay = EncodeDate(2025, 6, 2);
    {
        std::ofstream out(dir_ / "semana.txt", std::ios::binary);
        SyntheticMenuFile(settings).Write(out);
    }
    auto files = std::make_shared<AskingFiles>();
    module_ = MakeModule(files);
    HttpServer http(*module_, HttpServerOptions{"127.0.0.1", 0, "", 1 << 20});
    HttpServerClient client("127.0.0.1", http.Start());
    Figures during;
    files->ask = [&] { during = Read(client.Call("GetProgressoImportacao", {"0003"})); };

    EXPECT_EQ(Read(client.Call("GetProgressoImportacao", {"0003"})), Figures(false, 0, 0));
    const Variant load = Load("0003", "semana.txt");
    ASSERT_TRUE(Import("0003", load[2], load[3], load[4], "semana.txt").ok);

    const auto [running, lines, rows] = during;
    EXPECT_TRUE(running);
    EXPECT_GT(lines, 0);
    EXPECT_LT(lines, static_cast<int64_t>(kAskAt));
    EXPECT_GT(rows, 0);
    EXPECT_LE(rows, lines);
    EXPECT_GT(Count("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0003' AND CDSERVFILI = '00052' AND "
                    "CDDIETPAD = '0017'"),
              0) << "the menus are written under the destination's codes";
    const int64_t logged = Count("SELECT QTLINHAS FROM LOGIMPORTACAO WHERE CDFILIAL = '0003'");
    EXPECT_EQ(Read(client.Call("GetProgressoImportacao", {"0003"})), Figures(false, static_cast<int64_t>(kLines), logged));
    EXPECT_EQ(Read(client.Call("GetProgressoImportacao", {"0001"})), Figures(false, 0, 0));
}

}  // namespace
}  // namespace appserver::testing
