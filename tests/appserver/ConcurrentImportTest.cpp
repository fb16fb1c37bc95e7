// Two operators import the same file into the same branch at the same moment, each over an HTTP
// connection of its own. The period rule must let exactly one through: the other is told of the
// conflict, and the store holds one import. Served by one server (its branch lock and the
// store's write lock both guard), and by two servers on one store, as two processes would be
// (only the store's write lock is shared).
#include "HttpServer.h"
#include "HttpServerClient.h"
#include "ServerFixture.h"

#include <algorithm>
#include <latch>
#include <thread>

namespace appserver::testing {
namespace {

constexpr int kRounds = 20;

class ConcurrentImportTest : public ServerFixture, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        ServerFixture::SetUp();
        second_ = GetParam() == 2 ? MakeModule() : nullptr;
        for (ApplicationServer* module : {module_.get(), second_ ? second_.get() : module_.get()}) {
            servers_.push_back(std::make_unique<HttpServer>(*module, HttpServerOptions{"127.0.0.1", 0, "", 1 << 20}));
            ports_.push_back(servers_.back()->Start());
        }
    }
    void TearDown() override {
        servers_.clear();
        second_.reset();
        ServerFixture::TearDown();
    }
    int64_t Menus() { return Count("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0003'"); }
    void Forget() { Execute("DELETE FROM CARDAPIO WHERE CDFILIAL = '0003'; DELETE FROM LOGIMPORTACAO"); }

    std::unique_ptr<ApplicationServer> second_;
    std::vector<std::unique_ptr<HttpServer>> servers_;
    std::vector<int> ports_;
};

TEST_P(ConcurrentImportTest, ExactlyOneOfTwoSimultaneousImportsPassesThePeriodRule) {
    const Variant load = Load("0003");
    const Variant::Array call{"cardapio-demo.txt", "OPER", "0003", load[2], load[3], load[4]};
    ASSERT_TRUE(Call("ImportaCardapio", call).ok);
    const int64_t oneImport = Menus();
    ASSERT_GT(oneImport, 0);

    for (int round = 0; round < kRounds; ++round) {
        Forget();
        std::latch start(2);
        Answer answers[2];
        std::thread operators[2];
        for (int i = 0; i < 2; ++i) {
            operators[i] = std::thread([&, i] {
                HttpServerClient client("127.0.0.1", ports_[i]);
                start.arrive_and_wait();
                answers[i] = Answer::Read(client.Call("ImportaCardapio", call)).value_or(Answer{});
            });
        }
        for (auto& thread : operators) thread.join();

        std::vector<std::string> statuses;
        for (const Answer& answer : answers) {
            ASSERT_TRUE(answer.ok) << "round " << round << ": " << answer.message;
            statuses.push_back(answer.payload[0].AsString());
        }
        std::sort(statuses.begin(), statuses.end());
        EXPECT_EQ(statuses, (std::vector<std::string>{"ERRO_INTERVALO_FIN", "OK"})) << "round " << round;
        EXPECT_EQ(Count("SELECT COUNT(*) FROM LOGIMPORTACAO"), 1) << "round " << round;
        EXPECT_EQ(Menus(), oneImport) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Servers, ConcurrentImportTest, ::testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? "OneServer" : "TwoServersOnOneStore"; });

}  // namespace
}  // namespace appserver::testing
