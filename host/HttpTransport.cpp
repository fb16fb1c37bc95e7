#include "HttpTransport.h"

#include "DataPacket.h"
#include "SysUtils.h"

#include <httplib.h>

namespace {

constexpr const char* kContentType = "application/x-msgpack";
// The server serves one module, so the path names only the method.
// A load or an import may keep the server busy for minutes; connecting should be quick.
constexpr time_t kConnectSeconds = 5;
constexpr time_t kAnswerSeconds = 600;

}  // namespace

HttpTransport::HttpTransport(const std::string& host, int port, std::string token, int answerSeconds)
    : client_(std::make_unique<httplib::Client>(host, port)), endpoint_(host + ":" + std::to_string(port)) {
    client_->set_keep_alive(true);
    client_->set_tcp_nodelay(true);  // kept-alive loopback calls stall 40 ms without it
    client_->set_connection_timeout(kConnectSeconds);
    const time_t answer = answerSeconds > 0 ? answerSeconds : kAnswerSeconds;
    client_->set_read_timeout(answer);
    client_->set_write_timeout(answer);
    if (!token.empty()) client_->set_bearer_token_auth(token.c_str());
}

HttpTransport::~HttpTransport() = default;

Variant HttpTransport::Call(const std::string& method, const Variant::Array& args) {
    std::string path = "/rdm/" + method;
    auto result = client_->Post(path.c_str(), EncodeVariant(Variant(args)), kContentType);
    if (!result)
        throw Exception("Sem comunicação com o servidor de aplicação em " + endpoint_ + " (" +
                        httplib::to_string(result.error()) + ").");
    if (result->status != 200)
        throw Exception("O servidor de aplicação recusou a chamada " + method + " (HTTP " +
                        std::to_string(result->status) + "): " + result->body.substr(0, 200));
    try {
        return DecodeVariant(result->body);
    } catch (const EVariantError& error) {
        throw Exception("Resposta ilegível do servidor de aplicação para " + method + ": " + error.Message());
    }
}
