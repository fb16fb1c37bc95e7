#pragma once
// A client of the HTTP transport (docs/server-protocol.md), for tests and tools. Transport
// problems come back as failure answers, so callers read every outcome the same way.
#include "Variant.h"

#include <memory>
#include <string>

namespace httplib {
class Client;
}

namespace appserver {

class HttpServerClient {
public:
    struct Response {
        int status = 0;  // 0 when no answer came (connection refused, timeout)
        std::string body;
    };

    HttpServerClient(const std::string& host, int port, std::string token = "");
    ~HttpServerClient();

    // POST /call with [method, args]; the raw answer, or a failure answer naming the HTTP status
    // or the transport error. A call lost on its way is sent again when that is sound (CallResend.h).
    Variant Call(const std::string& method, const Variant::Array& args);
    // A POST of raw bytes to any path, for checking the transport's own refusals.
    Response Post(const std::string& path, const std::string& body);

private:
    std::unique_ptr<httplib::Client> client_;
    std::string token_;
};

}  // namespace appserver
