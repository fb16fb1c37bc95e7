#pragma once
// How a connection reaches the application server: one late-bound call, method name and
// positional arguments in, the server's raw answer out (docs/server-protocol.md). A transport
// that cannot deliver the call raises Exception with a reason for the user; the connection
// turns that into a failure answer.
#include "Variant.h"

#include <string>

class ServerTransport {
public:
    virtual ~ServerTransport() = default;
    virtual Variant Call(const std::string& method, const Variant::Array& args) = 0;
};
