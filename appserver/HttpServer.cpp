#include "HttpServer.h"

#include "DataPacket.h"
#include "HttpCall.h"
#include "HttpProtocol.h"

#include <httplib.h>

#include <chrono>
#include <stdexcept>

#include <sys/socket.h>

namespace appserver {

namespace {

constexpr const char* kTooLarge = "chamada grande demais";
// A kept-alive connection holds its worker while its client works between calls (up to the
// library's five idle seconds), so the library's 8 workers would make a ninth desk that calls
// within those seconds wait for one; an idle worker costs only its stack.
constexpr size_t kWorkers = 32;

// Compares without stopping at the first difference, so timing tells nothing about the token.
bool SameSecret(const std::string& given, const std::string& expected) {
    if (given.size() != expected.size()) return false;
    unsigned char difference = 0;
    for (size_t i = 0; i < given.size(); ++i) difference |= static_cast<unsigned char>(given[i] ^ expected[i]);
    return difference == 0;
}

// A refused request may leave part of its body unread on the connection: the answer tells the
// client not to send another request on it ("Connection: close"), since the server would take
// that unread rest for the next request's beginning.
void Refuse(httplib::Response& response, int status, const std::string& reason) {
    response.status = status;
    response.set_header("Connection", "close");
    response.set_content(reason, "text/plain; charset=utf-8");
}

bool DeclaresMoreThan(const httplib::Request& request, size_t cap) {
    return request.has_header("Content-Length") && request.get_header_value<uint64_t>("Content-Length") > cap;
}

// The HTTP library holds a declared length to the cap, but neither a chunked body nor a
// compressed one, whose size only shows as it is read (inflated): the cap is kept here, on the
// bytes the call is decoded from. Gives 200 with the whole body, 413 past the cap, 400 for a body
// that breaks off or is malformed.
int ReadBody(const httplib::ContentReader& reader, size_t cap, std::string& body) {
    bool tooLarge = false;
    const bool complete = reader([&](const char* data, size_t length) {
        tooLarge = length > cap - body.size();
        if (!tooLarge) body.append(data, length);
        return !tooLarge;
    });
    if (tooLarge) return 413;
    return complete ? 200 : 400;
}

}  // namespace

HttpServer::HttpServer(ApplicationServer& application, HttpServerOptions options)
    : application_(application), options_(std::move(options)), server_(std::make_unique<httplib::Server>()) {
    if (!IsLoopback(options_.bindAddress) && options_.token.empty())
        throw std::invalid_argument("an access token is required to serve on " + options_.bindAddress);
    server_->set_tcp_nodelay(true);
    server_->set_payload_max_length(options_.maxRequestBytes);
    server_->new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    server_->set_socket_options([this](int socket) {
        httplib::default_socket_options(socket);
        listeningSocket_ = socket;
    });
    Route();
}

HttpServer::~HttpServer() { Stop(); }

bool HttpServer::IsLoopback(const std::string& address) {
    return address == "127.0.0.1" || address == "::1" || address == "localhost";
}

void HttpServer::Route() {
    auto serve = [this](const httplib::Request& request, httplib::Response& response,
                        const httplib::ContentReader& reader, const std::string& method) {
        // The token is checked before the body is read: a stranger cannot make the server hold
        // a body, not even one under the cap.
        if (!options_.token.empty() &&
            !SameSecret(request.get_header_value(http::kAuthorization), "Bearer " + options_.token))
            return Refuse(response, 401, "token de acesso ausente ou errado");
        if (DeclaresMoreThan(request, options_.maxRequestBytes)) return Refuse(response, 413, kTooLarge);
        std::string body;
        if (const int status = ReadBody(reader, options_.maxRequestBytes, body); status != 200)
            return Refuse(response, status, status == 413 ? kTooLarge : "corpo da chamada ilegível");
        const HttpCall call = HttpCall::FromBody(body, method);
        if (!call.refusal.empty()) return Refuse(response, 400, call.refusal);
        response.set_content(EncodeVariant(application_.Dispatch(call.method, call.args)), http::kContentType);
    };
    server_->Post(http::kCallPath,
                  [serve](const httplib::Request& request, httplib::Response& response,
                          const httplib::ContentReader& reader) { serve(request, response, reader, ""); });
    server_->Post(R"(/rdm/([A-Za-z_][A-Za-z0-9_]*))",
                  [serve](const httplib::Request& request, httplib::Response& response,
                          const httplib::ContentReader& reader) { serve(request, response, reader, request.matches[1]); });
}

int HttpServer::Start() {
    int port = options_.port;
    if (port == 0) {
        port = server_->bind_to_any_port(options_.bindAddress);
        if (port < 0) throw std::runtime_error("cannot bind " + options_.bindAddress);
    } else if (!server_->bind_to_port(options_.bindAddress, port)) {
        throw std::runtime_error("cannot bind " + options_.bindAddress + ":" + std::to_string(port));
    }
    // The library listens with a queue of 5 connections at the door: clients that reconnect in a
    // crowd overflow it, and the system then drops connections whose calls were already sent
    // ("Read" at the client). Listening again on the bound socket lengthens the queue.
    if (::listen(listeningSocket_, SOMAXCONN) != 0) {
        Stop();
        throw std::runtime_error("cannot listen on " + options_.bindAddress + ":" + std::to_string(port));
    }
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // cpp-httplib 0.11 has no readiness signal: wait until the accept loop runs.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!server_->is_running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!server_->is_running()) {
        Stop();
        throw std::runtime_error("the HTTP server did not start");
    }
    return port;
}

void HttpServer::Stop() {
    server_->stop();
    if (thread_.joinable()) thread_.join();
}

void HttpServer::Wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace appserver
