#pragma once
// Where the command line's calls go: the store itself (embedded, `--db PATH`) or a running
// application server over HTTP (`--server http://host:port [--token T]`). Either way the call
// comes back as the raw answer (Answer.h), so a command prints the same wherever it ran.
#include "Variant.h"

#include <string>

namespace appserver {

struct CommandTarget {
    std::string database;  // embedded: the store
    std::string server;    // or http://host:port
    std::string token;

    // Raises std::runtime_error for a server address that is not http://host[:port].
    Variant Call(const std::string& method, const Variant::Array& args) const;
};

}  // namespace appserver
