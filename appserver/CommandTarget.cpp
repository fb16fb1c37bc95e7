#include "CommandTarget.h"

#include "ApplicationServer.h"
#include "HttpServerClient.h"

#include <charconv>
#include <stdexcept>

namespace appserver {

Variant CommandTarget::Call(const std::string& method, const Variant::Array& args) const {
    if (server.empty()) return ApplicationServer(ServerConfig{database, {}}).Dispatch(method, args);
    const std::string scheme = "http://";
    std::string address = server.starts_with(scheme) ? server.substr(scheme.size()) : server;
    if (address.ends_with('/')) address.pop_back();
    const size_t colon = address.rfind(':');
    int port = 80;
    if (colon != std::string::npos) {
        const char* end = address.data() + address.size();
        if (std::from_chars(address.data() + colon + 1, end, port).ptr != end || port <= 0 || port > 65535)
            throw std::runtime_error("--server must be written http://host:port");
    }
    return HttpServerClient(address.substr(0, colon), port, token).Call(method, args);
}

}  // namespace appserver
