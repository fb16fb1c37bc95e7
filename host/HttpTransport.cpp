#include "HttpTransport.h"

#include "CallResend.h"
#include "DataPacket.h"
#include "SysUtils.h"

#include <httplib.h>

#include <chrono>

namespace {

constexpr const char* kContentType = "application/x-msgpack";
// The server serves one module, so the path names only the method.
// A load or an import may keep the server busy for minutes; connecting should be quick.
constexpr time_t kConnectSeconds = 5;
constexpr int kAnswerSeconds = 600;

// What went wrong on the connection, in the user's words (the HTTP library's texts are English).
std::string ConnectionFailure(httplib::Error error) {
    switch (error) {
    case httplib::Error::Connection: return "não foi possível conectar";
    case httplib::Error::ConnectionTimeout: return "tempo esgotado ao conectar";
    case httplib::Error::Read: return "falha ao receber a resposta";
    case httplib::Error::Write: return "falha ao enviar a chamada";
    case httplib::Error::Canceled: return "chamada cancelada";
    default: return "erro de comunicação " + std::to_string(static_cast<int>(error));
    }
}

}  // namespace

HttpTransport::HttpTransport(const std::string& host, int port, std::string token, int answerSeconds)
    : client_(std::make_unique<httplib::Client>(host, port)),
      endpoint_(host + ":" + std::to_string(port)),
      answerSeconds_(answerSeconds > 0 ? answerSeconds : kAnswerSeconds) {
    client_->set_keep_alive(true);
    client_->set_tcp_nodelay(true);  // kept-alive loopback calls stall 40 ms without it
    client_->set_connection_timeout(kConnectSeconds);
    client_->set_read_timeout(answerSeconds_);
    client_->set_write_timeout(answerSeconds_);
    if (!token.empty()) client_->set_bearer_token_auth(token.c_str());
}

HttpTransport::~HttpTransport() = default;

Variant HttpTransport::Call(const std::string& method, const Variant::Array& args) {
    // The read timeout bounds each read only: a server that keeps sending a byte now and then
    // would hold the screen for ever. The body is taken piece by piece, and the call given up
    // once the whole answer is late.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(answerSeconds_);
    bool late = false;
    std::string body;
    httplib::Request request;
    request.method = "POST";
    request.path = "/rdm/" + method;
    request.set_header("Content-Type", kContentType);
    request.body = EncodeVariant(Variant(args));
    request.content_receiver = [&](const char* data, size_t size, uint64_t, uint64_t) {
        late = std::chrono::steady_clock::now() > deadline;
        if (!late) body.append(data, size);
        return !late;
    };
    using appserver::http::CallResend;
    auto result = CallResend::Send(*client_, CallResend::ChangesNothing(method, args), [&] {
        body.clear();
        return client_->send(request);
    });
    if (late)
        throw Exception("O servidor de aplicação em " + endpoint_ + " não concluiu a resposta a " + method +
                        " no prazo de " + std::to_string(answerSeconds_) + " s.");
    if (!result)
        throw Exception("Sem comunicação com o servidor de aplicação em " + endpoint_ + " (" +
                        ConnectionFailure(result.error()) + ").");
    if (result->status != 200)
        throw Exception("O servidor de aplicação recusou a chamada " + method + " (HTTP " +
                        std::to_string(result->status) + "): " + body.substr(0, 200));
    try {
        return DecodeVariant(body);
    } catch (const EVariantError& error) {
        throw Exception("Resposta ilegível do servidor de aplicação para " + method + ": " + error.Message());
    }
}
