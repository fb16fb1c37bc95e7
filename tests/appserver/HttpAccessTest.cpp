// Who may reach the module over HTTP, and with how much: the bind address and the token decide
// the first, the request cap the second. A refused request must never reach the dispatcher, so
// each refusal is also checked against the store: a directory change carried by a refused
// request must not be written.
#include "HttpProtocol.h"
#include "HttpServer.h"
#include "ServerFixture.h"

#include <httplib.h>

namespace appserver::testing {
namespace {

constexpr size_t kCap = 4096;

// A SetDiretorio call whose effect is visible in the store.
std::string DirectoryChange(const std::string& directory) {
    return EncodeVariant(VarArrayOf({"SetDiretorio", VarArrayOf({DirectoryDelta(RowKind::Modified, "KRD52100", directory)})}));
}

class HttpAccessTest : public ServerFixture {
protected:
    void Serve(const std::string& bind, const std::string& token) {
        server_ = std::make_unique<HttpServer>(*module_, HttpServerOptions{bind, 0, token, kCap});
        port_ = server_->Start();
        client_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
    }
    void TearDown() override {
        client_.reset();
        server_.reset();
        ServerFixture::TearDown();
    }
    int Post(const std::string& path, const std::string& body, const httplib::Headers& headers = {}) {
        auto result = client_->Post(path.c_str(), headers, body, http::kContentType);
        return result ? result->status : 0;
    }
    std::string Directory() { return Column(Payload("GetDiretorio", {}), "DSDIRETORIO").at(0); }

    std::unique_ptr<HttpServer> server_;
    std::unique_ptr<httplib::Client> client_;
    int port_ = 0;
};

// --- bind address -----------------------------------------------------------------------------

class BindWithoutTokenTest : public HttpAccessTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(BindWithoutTokenTest, AnAddressBeyondLoopbackIsRefusedBeforeAnythingIsBound) {
    EXPECT_THROW(HttpServer(*module_, HttpServerOptions{GetParam(), 0, "", kCap}), std::invalid_argument);
    EXPECT_NO_THROW(HttpServer(*module_, HttpServerOptions{GetParam(), 0, "t", kCap}));
}

// Every name that is not exactly a loopback one counts as exposed, including the empty address
// (all interfaces for the HTTP library) and spellings that only look like loopback.
INSTANTIATE_TEST_SUITE_P(Exposed, BindWithoutTokenTest,
                         ::testing::Values("0.0.0.0", "::", "", "192.0.2.7", "127.0.0.1.example.com",
                                           " 127.0.0.1", "localhost.example.com", "0"));

TEST_F(HttpAccessTest, LoopbackServesWithoutAToken) {
    for (const char* address : {"127.0.0.1", "localhost"}) {
        Serve(address, "");
        EXPECT_EQ(Post(http::kCallPath, DirectoryChange(std::string("/aberto/") + address)), 200) << address;
        EXPECT_EQ(Directory(), std::string("/aberto/") + address);
        client_.reset();
        server_.reset();
    }
}

// --- token ------------------------------------------------------------------------------------

struct Credential {
    const char* name;
    std::optional<std::string> authorization;  // nullopt: no header at all
};

void PrintTo(const Credential& credential, std::ostream* out) { *out << credential.name; }

class WrongTokenTest : public HttpAccessTest, public ::testing::WithParamInterface<Credential> {};

TEST_P(WrongTokenTest, IsRefusedOnBothPathsAndChangesNothing) {
    Serve("0.0.0.0", "segredo");
    const std::string before = Directory();
    httplib::Headers headers;
    if (GetParam().authorization) headers.emplace(http::kAuthorization, *GetParam().authorization);
    EXPECT_EQ(Post(http::kCallPath, DirectoryChange("/invasor/call"), headers), 401);
    const Variant delta = DirectoryDelta(RowKind::Modified, "KRD52100", "/invasor/rdm");
    EXPECT_EQ(Post("/rdm/SetDiretorio", EncodeVariant(VarArrayOf({delta})), headers), 401);
    EXPECT_EQ(Directory(), before);
}

INSTANTIATE_TEST_SUITE_P(
    BeyondLoopback, WrongTokenTest,
    ::testing::Values(Credential{"NoHeader", std::nullopt}, Credential{"Empty", ""},
                      Credential{"BearerOnly", "Bearer "}, Credential{"Wrong", "Bearer errado"},
                      Credential{"Prefix", "Bearer segred"}, Credential{"Longer", "Bearer segredo2"},
                      Credential{"OtherCase", "Bearer SEGREDO"}, Credential{"WithoutScheme", "segredo"},
                      Credential{"OtherScheme", "Basic segredo"}, Credential{"SchemeInLowerCase", "bearer segredo"},
                      Credential{"TwoSpaces", "Bearer  segredo"}, Credential{"TrailingText", "Bearer segredo x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HttpAccessTest, TheRightTokenIsServedBeyondLoopback) {
    Serve("0.0.0.0", "segredo");
    EXPECT_EQ(Post(http::kCallPath, DirectoryChange("/autorizado"), {{http::kAuthorization, "Bearer segredo"}}), 200);
    EXPECT_EQ(Directory(), "/autorizado");
}

// --- request size -----------------------------------------------------------------------------

// A directory change of exactly `size` bytes (the directory is cut to 100 characters when stored).
std::string DirectoryChangeOfSize(size_t size) {
    for (size_t length = size; length > 0; --length) {
        std::string body = DirectoryChange("/" + std::string(length, 'a'));
        if (body.size() == size) return body;
    }
    ADD_FAILURE() << "no directory change of " << size << " bytes";
    return {};
}

const std::string kCappedDirectory = "/" + std::string(99, 'a');

TEST_F(HttpAccessTest, ABodyOfExactlyTheCapIsServed) {
    Serve("127.0.0.1", "");
    EXPECT_EQ(Post(http::kCallPath, DirectoryChangeOfSize(kCap)), 200);
    EXPECT_EQ(Directory(), kCappedDirectory);
}

// However the body comes, more than the cap is refused before the module sees it: with a
// declared length, in chunks of unannounced total, and compressed below the cap but larger
// once inflated.
TEST_F(HttpAccessTest, ABodyOverTheCapIsRefusedHoweverItIsSent) {
    Serve("127.0.0.1", "");
    const std::string before = Directory();
    const std::string body = DirectoryChangeOfSize(kCap + 1);

    EXPECT_EQ(Post(http::kCallPath, body), 413);

    size_t sent = 0;
    auto chunks = [&](size_t, httplib::DataSink& sink) {
        const size_t piece = std::min<size_t>(1000, body.size() - sent);
        if (piece == 0) return sink.done(), true;
        sink.write(body.data() + sent, piece);
        sent += piece;
        return true;
    };
    auto chunked = client_->Post(http::kCallPath, chunks, http::kContentType);
    ASSERT_TRUE(chunked) << httplib::to_string(chunked.error());
    EXPECT_EQ(chunked->status, 413);

    client_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
    client_->set_compress(true);
    EXPECT_EQ(Post(http::kCallPath, DirectoryChange("/" + std::string(1 << 20, 'a'))), 413);
    EXPECT_EQ(Directory(), before);

    // After the refusals, the client's next call is served on a fresh connection, not read
    // behind an unread rest.
    EXPECT_EQ(Post(http::kCallPath, DirectoryChange("/depois")), 200);
    EXPECT_EQ(Directory(), "/depois");
}

// A few bytes that announce a huge array or string must be refused as a bad body, not make the
// server reserve what they announce.
TEST_F(HttpAccessTest, ASmallBodyAnnouncingAHugeValueIsABadRequest) {
    Serve("127.0.0.1", "");
    for (const std::string& body : {std::string("\xdd\xff\xff\xff\xff", 5), std::string("\xdb\xff\xff\xff\xff", 5),
                                    std::string("\x92\xacGetPesqServ\xdd\x7f\xff\xff\xff", 18),
                                    std::string("\xdf\xff\xff\xff\xff", 5)})
        EXPECT_EQ(Post(http::kCallPath, body), 400);
    EXPECT_EQ(Post("/rdm/GetPesqServ", EncodeVariant(VarArrayOf({"0001"}))), 200);
}

}  // namespace
}  // namespace appserver::testing
