#pragma once
// The raw answer of every method of "KRD52100.rdmIntegraCardapio", the one shape that the host's
// CheckResultServ reads (docs/server-protocol.md):
//
//   [Boolean ok, String message, payload]
//
// On success ok is true, message is "" and payload is what the method yields. On failure ok is
// false, message says why (in Portuguese, for the user) and payload is Null.
#include "Variant.h"

#include <optional>
#include <string>

namespace appserver {

struct Answer {
    bool ok = false;
    std::string message;
    Variant payload;

    static Variant Success(Variant payload);
    static Variant Failure(const std::string& message);

    // Reads a raw answer; nullopt when the value does not have the answer's shape.
    static std::optional<Answer> Read(const Variant& raw);
};

}  // namespace appserver
