#include "HttpServerClient.h"

#include "Answer.h"
#include "CallResend.h"
#include "DataPacket.h"
#include "HttpProtocol.h"
#include "SysUtils.h"

#include <httplib.h>

namespace appserver {

namespace {

httplib::Headers WithToken(const std::string& token) {
    httplib::Headers headers;
    if (!token.empty()) headers.emplace(http::kAuthorization, "Bearer " + token);
    return headers;
}

HttpServerClient::Response Answered(const httplib::Result& result) {
    if (!result) return {0, httplib::to_string(result.error())};
    return {result->status, result->body};
}

}  // namespace

HttpServerClient::HttpServerClient(const std::string& host, int port, std::string token)
    : client_(std::make_unique<httplib::Client>(host, port)), token_(std::move(token)) {
    client_->set_tcp_nodelay(true);
    client_->set_keep_alive(true);
    client_->set_read_timeout(std::chrono::minutes(10));
}

HttpServerClient::~HttpServerClient() = default;

HttpServerClient::Response HttpServerClient::Post(const std::string& path, const std::string& body) {
    return Answered(client_->Post(path.c_str(), WithToken(token_), body, http::kContentType));
}

Variant HttpServerClient::Call(const std::string& method, const Variant::Array& args) {
    const std::string body = EncodeVariant(VarArrayOf({method, VarArrayOf(args)}));
    const Response response =
        Answered(http::CallResend::Send(*client_, http::CallResend::ChangesNothing(method, args), [&] {
            return client_->Post(http::kCallPath, WithToken(token_), body, http::kContentType);
        }));
    if (response.status == 0) return Answer::Failure("Servidor de aplicação inacessível: " + response.body);
    if (response.status != 200)
        return Answer::Failure("Servidor de aplicação recusou a chamada (HTTP " + std::to_string(response.status) +
                               "): " + response.body);
    try {
        return DecodeVariant(response.body);
    } catch (const Exception& error) {
        return Answer::Failure(std::string("Resposta ilegível do servidor de aplicação: ") + error.what());
    }
}

}  // namespace appserver
