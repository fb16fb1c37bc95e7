#include "HttpServerClient.h"

#include "Answer.h"
#include "DataPacket.h"
#include "HttpProtocol.h"
#include "SysUtils.h"

#include <httplib.h>

namespace appserver {

HttpServerClient::HttpServerClient(const std::string& host, int port, std::string token)
    : client_(std::make_unique<httplib::Client>(host, port)), token_(std::move(token)) {
    client_->set_tcp_nodelay(true);
    client_->set_keep_alive(true);
    client_->set_read_timeout(std::chrono::minutes(10));
}

HttpServerClient::~HttpServerClient() = default;

HttpServerClient::Response HttpServerClient::Post(const std::string& path, const std::string& body) {
    httplib::Headers headers;
    if (!token_.empty()) headers.emplace(http::kAuthorization, "Bearer " + token_);
    auto result = client_->Post(path.c_str(), headers, body, http::kContentType);
    if (!result) return Response{0, httplib::to_string(result.error())};
    return Response{result->status, result->body};
}

Variant HttpServerClient::Call(const std::string& method, const Variant::Array& args) {
    const Response response = Post(http::kCallPath, EncodeVariant(VarArrayOf({method, VarArrayOf(args)})));
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
