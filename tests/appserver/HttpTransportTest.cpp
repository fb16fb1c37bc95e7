#include "HttpServer.h"
#include "HttpServerClient.h"
#include "ServerFixture.h"

#include <atomic>
#include <thread>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace appserver::testing {
namespace {

// One HTTP message off a socket: its head and the body its Content-Length announces.
std::string ReadMessage(int socket) {
    std::string message;
    size_t headEnd = std::string::npos, bodyLength = 0;
    char buffer[4096];
    for (ssize_t got; headEnd == std::string::npos || message.size() < headEnd + 4 + bodyLength;) {
        if ((got = ::recv(socket, buffer, sizeof buffer, 0)) <= 0) return message;
        message.append(buffer, static_cast<size_t>(got));
        if (headEnd == std::string::npos && (headEnd = message.find("\r\n\r\n")) != std::string::npos)
            bodyLength = std::stoul(message.substr(message.find("Content-Length: ") + 16));
    }
    return message;
}

// Stands between a client and the server and carries one call per connection, like a server
// that ends a kept-alive connection just as the client's next call arrives: that call meets
// the connection's end, unread. With `loseAnswers` each call runs at the server but its answer
// is lost with the connection.
struct OneCallRelay {
    OneCallRelay(int serverPort, bool loseAnswers) {
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t size = sizeof address;
        ::bind(listener, reinterpret_cast<sockaddr*>(&address), size);
        ::listen(listener, 8);
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
        address.sin_port = htons(static_cast<uint16_t>(serverPort));
        thread = std::thread([this, address, loseAnswers] {
            for (int client; (client = ::accept(listener, nullptr, nullptr)) >= 0; ::close(client)) {
                const std::string call = ReadMessage(client);
                const int server = ::socket(AF_INET, SOCK_STREAM, 0);
                ::connect(server, reinterpret_cast<const sockaddr*>(&address), sizeof address);
                ::send(server, call.data(), call.size(), MSG_NOSIGNAL);
                const std::string answer = ReadMessage(server);
                ::close(server);
                ++callsRun;
                if (loseAnswers) continue;
                ::send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
                char next;
                ::recv(client, &next, 1, MSG_PEEK);  // the next call (left unread) or the client's end
            }
        });
    }
    ~OneCallRelay() {
        ::shutdown(listener, SHUT_RDWR);
        thread.join();
        ::close(listener);
    }

    int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
    std::atomic<int> callsRun = 0;
    std::thread thread;
};

class HttpTransportTest : public ServerFixture {
protected:
    void StartServer(const std::string& token, size_t maxRequestBytes = 1 << 20) {
        server_ = std::make_unique<HttpServer>(*module_, HttpServerOptions{"127.0.0.1", 0, token, maxRequestBytes});
        port_ = server_->Start();
    }
    void TearDown() override {
        server_.reset();
        ServerFixture::TearDown();
    }

    std::unique_ptr<HttpServer> server_;
    int port_ = 0;
};

TEST_F(HttpTransportTest, ALoadAndImportRunEndToEndOverLoopback) {
    StartServer("segredo");
    HttpServerClient client("127.0.0.1", port_, "segredo");
    auto load = Answer::Read(client.Call("ImportaCardapio", {"cardapio-demo.txt", "OPER", "0003", Variant(), Variant(), Variant()}));
    ASSERT_TRUE(load && load->ok) << (load ? load->message : "no answer");
    ASSERT_EQ(load->payload.ArrayLength(), 8u);
    const Variant& p = load->payload;
    auto import = Answer::Read(client.Call("ImportaCardapio", {"cardapio-demo.txt", "OPER", "0003", p[2], p[3], p[4]}));
    ASSERT_TRUE(import && import->ok) << import->message;
    EXPECT_EQ(import->payload[0].AsString(), "OK");
    EXPECT_GT(Count("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0003'"), 0);
}

TEST_F(HttpTransportTest, AMissingOrWrongTokenIsRefusedWith401) {
    StartServer("segredo");
    for (const char* token : {"", "errado", "segredo2"}) {
        HttpServerClient client("127.0.0.1", port_, token);
        EXPECT_EQ(client.Post("/call", EncodeVariant(VarArrayOf({"GetPesqServ", VarArrayOf({"0001"})}))).status, 401)
            << token;
        auto answer = Answer::Read(client.Call("GetPesqServ", {"0001"}));
        ASSERT_TRUE(answer);
        EXPECT_FALSE(answer->ok);
        EXPECT_NE(answer->message.find("HTTP 401"), std::string::npos);
    }
}

TEST_F(HttpTransportTest, MethodPathsBadBodiesAndOversizedRequests) {
    StartServer("", 4096);
    HttpServerClient client("127.0.0.1", port_);
    auto named = client.Post("/rdm/GetPesqServ", EncodeVariant(VarArrayOf({"0001"})));
    ASSERT_EQ(named.status, 200);
    auto answer = Answer::Read(DecodeVariant(named.body));
    ASSERT_TRUE(answer && answer->ok);
    EXPECT_EQ(answer->payload.AsPacket().Rows.size(), 5u);

    EXPECT_EQ(client.Post("/call", "not msgpack \xc1").status, 400);
    EXPECT_EQ(client.Post("/call", EncodeVariant("GetPesqServ")).status, 400);
    auto deep = client.Post("/call", std::string(1000, '\x91') + '\x90');
    EXPECT_EQ(deep.status, 400);
    EXPECT_NE(deep.body.find("nested deeper than 32 levels"), std::string::npos) << deep.body;
    EXPECT_EQ(client.Post("/call", EncodeVariant(VarArrayOf({"GetPesqServ", std::string(8000, 'x')}))).status, 413);
    EXPECT_EQ(client.Post("/outro", EncodeVariant(VarArrayOf({}))).status, 404);
}

TEST_F(HttpTransportTest, AFileOutsideTheImportRootIsRefusedOverHttpToo) {
    StartServer("");
    HttpServerClient client("127.0.0.1", port_);
    auto answer = Answer::Read(client.Call("ImportaCardapio", {"/etc/passwd", "OPER", "0001", Variant(), Variant(), Variant()}));
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->ok);
    EXPECT_EQ(answer->message, "Arquivo fora das pastas de importação do servidor: /etc/passwd");
}

TEST_F(HttpTransportTest, ServingBeyondLoopbackNeedsAToken) {
    EXPECT_THROW(HttpServer(*module_, HttpServerOptions{"0.0.0.0", 0, "", 1024}), std::invalid_argument);
    EXPECT_NO_THROW(HttpServer(*module_, HttpServerOptions{"0.0.0.0", 0, "t", 1024}));
}

// Calls the server never read are sent again; a call that writes is never lost to a connection
// the server ends, since it goes on a new one.
TEST_F(HttpTransportTest, CallsOnConnectionsTheServerEndsAllGetTheirAnswers) {
    StartServer("");
    OneCallRelay relay(port_, false);
    HttpServerClient client("127.0.0.1", relay.port);
    const Variant::Array load{"cardapio-demo.txt", "OPER", "0003", Variant(), Variant(), Variant()};
    for (int cycle = 0; cycle < 3; ++cycle) {
        ASSERT_TRUE(client.Call("ImportaCardapio", load)[0].AsBoolean());
        ASSERT_TRUE(client.Call("GetPesqServ", {"0003"})[0].AsBoolean());
        ASSERT_TRUE(client.Call("GetMapeamentos", {"0002", "0003"})[0].AsBoolean());
        const Variant set = client.Call("SetMapeamento", {"0002", "0003", "SERVICO", "00002", "", Variant(), "00071"});
        ASSERT_TRUE(set[0].AsBoolean()) << set[1].AsString();
    }
    EXPECT_EQ(relay.callsRun, 12);
}

// A call whose answer is lost may have run: only one that changes nothing is sent again.
TEST_F(HttpTransportTest, ALostAnswerIsAskedAgainOnlyForACallThatChangesNothing) {
    StartServer("");
    const Variant proposal = Load("0003");
    const struct { std::string method; Variant::Array args; int runs; } cases[] = {
        {"GetPesqServ", {"0003"}, 2},
        {"ImportaCardapio", {"cardapio-demo.txt", "OPER", "0003", Variant(), Variant(), Variant()}, 2},
        {"ImportaCardapio", {"cardapio-demo.txt", "OPER", "0003", proposal[2], proposal[3], proposal[4]}, 1},
        {"SetMapeamento", {"0002", "0003", "SERVICO", "00002", "", Variant(), "00071"}, 1},
        {"ExportaCardapio", {"0003", 45000.0, 45006.0, Variant(), "semana.txt"}, 1},
    };
    for (const auto& c : cases) {
        OneCallRelay relay(port_, true);
        HttpServerClient client("127.0.0.1", relay.port);
        const Variant answer = client.Call(c.method, c.args);
        EXPECT_FALSE(answer[0].AsBoolean()) << c.method;
        EXPECT_EQ(relay.callsRun, c.runs) << c.method;
    }
    EXPECT_EQ(Count("SELECT COUNT(*) FROM HISTIMPORTACAO"), 1);
}

TEST_F(HttpTransportTest, AClientWithoutServerGetsAFailureAnswer) {
    StartServer("");
    const int port = port_;
    server_.reset();
    auto answer = Answer::Read(HttpServerClient("127.0.0.1", port).Call("GetPesqServ", {"0001"}));
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->ok);
}

}  // namespace
}  // namespace appserver::testing
