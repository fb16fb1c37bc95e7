#include "TNetConnection.h"

#include "DataPacket.h"
#include "EmbeddedTransport.h"
#include "Session.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <thread>

namespace {

constexpr const char* kServerName = "KRD52100.rdmIntegraCardapio";

Variant Success(Variant payload) { return VarArrayOf({true, "", std::move(payload)}); }

// A failure answer, as the connection makes them: [false, reason, Null].
void ExpectFailure(const Variant& answer, const std::string& reasonPart) {
    ASSERT_TRUE(answer.IsArray());
    ASSERT_EQ(answer.ArrayLength(), 3u);
    EXPECT_EQ(answer[0], Variant(false));
    EXPECT_NE(answer[1].AsString().find(reasonPart), std::string::npos) << answer[1].AsString();
    EXPECT_TRUE(answer[2].IsNull());
}

class EmbeddedConnection : public ::testing::Test {
protected:
    void TearDown() override { InstallEmbeddedDispatcher({}); }
};

TEST_F(EmbeddedConnection, CallsReachTheInstalledDispatcherWithTheirArguments) {
    std::vector<std::pair<std::string, Variant::Array>> calls;
    InstallEmbeddedDispatcher([&](const std::string& method, const Variant::Array& args) {
        calls.emplace_back(method, args);
        return Success(Variant(static_cast<int>(args.size())));
    });
    TNetConnection connection;
    connection.ServerName = kServerName;
    connection.Open();
    Variant answer = connection.Call("GetPesqTipoPrat", {"0002", "00001", EncodeDate(2024, 3, 1)});
    EXPECT_EQ(answer, Success(3));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, "GetPesqTipoPrat");
    EXPECT_EQ(calls[0].second[2], Variant(EncodeDate(2024, 3, 1)));
}

TEST_F(EmbeddedConnection, BeforeConnectRunsOnEachOpenAndChoosesTheHost) {
    InstallEmbeddedDispatcher([](const std::string&, const Variant::Array&) { return Success(1); });
    TNetConnection connection;
    int opens = 0;
    connection.BeforeConnect = [&](TComponent* sender) {
        EXPECT_EQ(sender, &connection);
        ++opens;
        connection.Host = WebURL();
        connection.Port = WebPort();
    };
    connection.Open();
    connection.Open();  // already open: nothing
    EXPECT_TRUE(connection.Connected());
    EXPECT_EQ(connection.Host, "embedded");
    connection.Close();
    EXPECT_FALSE(connection.Connected());
    connection.SetConnected(true);
    EXPECT_EQ(opens, 2);
    EXPECT_EQ(connection.Call("GetDiretorio"), Success(1));
}

TEST_F(EmbeddedConnection, FailuresBecomeFailureAnswersNotExceptions) {
    TNetConnection connection;
    ExpectFailure(connection.Call("GetDiretorio"), "fechada");  // never opened

    connection.Open();
    ExpectFailure(connection.Call("GetDiretorio"), "não disponível");  // no dispatcher installed

    InstallEmbeddedDispatcher([](const std::string&, const Variant::Array&) -> Variant {
        throw std::runtime_error("store locked");
    });
    ExpectFailure(connection.Call("GetDiretorio"), "store locked");
}

// A loopback server speaking the application server's HTTP protocol: it echoes the path's
// method and the argument count, and checks the bearer token when one is set.
class HttpConnection : public ::testing::Test {
protected:
    void SetUp() override {
        server_.Post(R"(/rdm/([^/]+))", [this](const httplib::Request& request, httplib::Response& response) {
            if (!token_.empty() && request.get_header_value("Authorization") != "Bearer " + token_) {
                response.status = 401;
                response.set_content("token inválido", "text/plain");
                return;
            }
            if (request.matches[1] == "Garbage") {
                response.set_content("\xc1 not a variant", "application/x-msgpack");
                return;
            }
            if (request.matches[1] == "Deep") {
                response.set_content(std::string(100000, '\x91') + '\x90', "application/x-msgpack");
                return;
            }
            Variant args = DecodeVariant(request.body);
            Variant answer = Success(VarArrayOf({std::string(request.matches[1]), static_cast<int>(args.ArrayLength())}));
            response.set_content(EncodeVariant(answer), "application/x-msgpack");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::yield();
    }
    void TearDown() override {
        connection_.Close();  // lets the server's kept-alive worker end at once
        server_.stop();
        thread_.join();
        Session::Current().Reset();
    }
    TNetConnection& Connect(const std::string& host) {
        connection_.ServerName = kServerName;
        connection_.Host = host;
        connection_.Port = port_;
        connection_.Open();
        return connection_;
    }

    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::string token_;
    TNetConnection connection_;
};

TEST_F(HttpConnection, CallsGoToTheMethodAndBringTheAnswerBack) {
    TNetConnection& connection = Connect("127.0.0.1");
    Variant answer = connection.Call("GetVd_Serv", {"0002", "00001", "", "T", "KRD"});
    EXPECT_EQ(answer, Success(VarArrayOf({"GetVd_Serv", 5})));
    // The connection is reused for the next call.
    EXPECT_EQ(connection.Call("GetPesqServ", {"0002"}), Success(VarArrayOf({"GetPesqServ", 1})));
}

TEST_F(HttpConnection, SessionTokenIsSentAsBearer) {
    token_ = "s3cret";
    Session::Current().ServerToken = "s3cret";
    EXPECT_EQ(Connect("http://127.0.0.1").Call("GetDiretorio")[0], Variant(true));
}

TEST_F(HttpConnection, RefusalsAndUnreadableAnswersBecomeFailureAnswers) {
    token_ = "s3cret";
    TNetConnection& connection = Connect("127.0.0.1");
    ExpectFailure(connection.Call("GetDiretorio"), "HTTP 401");
    token_.clear();
    ExpectFailure(connection.Call("Garbage"), "Resposta ilegível");
    ExpectFailure(connection.Call("Deep"), "Resposta ilegível");
}

TEST_F(HttpConnection, UnreachableServerBecomesAFailureAnswer) {
    TNetConnection& connection = Connect("127.0.0.1");
    server_.stop();
    ExpectFailure(connection.Call("GetDiretorio"),
                  "Sem comunicação com o servidor de aplicação em 127.0.0.1:" + std::to_string(port_) +
                      " (não foi possível conectar)");
}

}  // namespace
