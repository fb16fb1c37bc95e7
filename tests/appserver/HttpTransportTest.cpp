#include "HttpServer.h"
#include "HttpServerClient.h"
#include "ServerFixture.h"

namespace appserver::testing {
namespace {

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
