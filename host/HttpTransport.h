#pragma once
// The application server over HTTP/1.1 (docs/server-protocol.md): each call is one
//
//   POST /rdm/<method>
//   Content-Type: application/x-msgpack
//   Authorization: Bearer <token>          (only when the session has a token)
//   body: the argument array, as EncodeVariant writes it
//
// answered with 200 and the raw answer as EncodeVariant writes it. The connection to the
// server is kept alive between calls; a call lost on its way is sent again when that is sound
// (appserver/CallResend.h).
#include "ServerTransport.h"

#include <memory>

namespace httplib {
class Client;
}

class HttpTransport : public ServerTransport {
public:
    // `answerSeconds` bounds the wait for the whole answer, from sending the call to its last
    // byte; 0 or less takes the default (ten minutes, for a long import).
    HttpTransport(const std::string& host, int port, std::string token, int answerSeconds = 0);
    ~HttpTransport() override;

    // Raises Exception when the server cannot be reached, has not finished its answer in time,
    // answers with another status, or sends bytes that are no variant.
    Variant Call(const std::string& method, const Variant::Array& args) override;

private:
    std::unique_ptr<httplib::Client> client_;
    std::string endpoint_;
    int answerSeconds_;
};
