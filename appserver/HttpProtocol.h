#pragma once
// The constants of the HTTP transport (docs/server-protocol.md), shared by the server and the
// client so that both sides read the same page.
#include <cstddef>

namespace appserver::http {

inline constexpr const char* kCallPath = "/call";           // body [method, [args...]]
inline constexpr const char* kMethodPathPrefix = "/rdm/";   // /rdm/<method>, body [args...]
inline constexpr const char* kContentType = "application/x-msgpack";
inline constexpr const char* kAuthorization = "Authorization";  // "Bearer <token>"
inline constexpr size_t kDefaultMaxRequestBytes = 64u << 20;

}  // namespace appserver::http
