#pragma once
// One call as an HTTP request body asks for it (docs/server-protocol.md): the body of POST /call
// is [method, [arguments]], the body of POST /rdm/<method> is [arguments]. Kept apart from the
// HTTP library so that the decoding of untrusted bodies can be exercised on its own.
#include "Variant.h"

#include <string>
#include <string_view>

namespace appserver {

struct HttpCall {
    std::string method;
    Variant::Array args;
    // Why the body names no call (the server answers 400 with it); empty when it does.
    std::string refusal;

    // `pathMethod` is the method the path names (/rdm/<method>), empty for /call. Never throws.
    static HttpCall FromBody(std::string_view body, const std::string& pathMethod);
};

}  // namespace appserver
