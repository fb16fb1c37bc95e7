#pragma once
// Serves the application server, every module it hosts, over HTTP/1.1 (docs/server-protocol.md):
// POST /call or POST /rdm/<method>, MessagePack bodies, the raw answer as the response body.
//
// Security: binds 127.0.0.1 unless told otherwise; bound to any other address it refuses to
// start without an access token. With a token configured every request must carry
// "Authorization: Bearer <token>", on loopback too. Request bodies are capped.
#include "ApplicationServer.h"

#include <memory>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

namespace appserver {

struct HttpServerOptions {
    std::string bindAddress = "127.0.0.1";
    int port = 0;  // 0: any free port (Start tells which)
    std::string token;
    size_t maxRequestBytes = 64u << 20;
};

class HttpServer {
public:
    // Raises std::invalid_argument for a non-loopback address without a token.
    HttpServer(ApplicationServer& application, HttpServerOptions options);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Binds, starts serving on a background thread and returns the port once requests are
    // accepted. Raises std::runtime_error when the address cannot be bound.
    int Start();
    // Stops serving and joins the thread; safe to call twice.
    void Stop();
    // Blocks until the server stops (for the command line).
    void Wait();

    static bool IsLoopback(const std::string& address);

private:
    void Route();

    ApplicationServer& application_;
    HttpServerOptions options_;
    std::unique_ptr<httplib::Server> server_;
    int listeningSocket_ = -1;
    std::thread thread_;
};

}  // namespace appserver
