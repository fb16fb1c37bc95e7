#pragma once
// The application server in the client's own process. The host application (desktop client,
// tools, tests) installs the server's dispatcher at start (appserver::ApplicationServer::Dispatch,
// which reaches every module the server hosts); connections whose host is empty or "embedded"
// then call it directly, on the caller's thread.
#include "ServerTransport.h"

#include <functional>

using EmbeddedDispatcher = std::function<Variant(const std::string& method, const Variant::Array& args)>;

// Installs the in-process dispatcher; an empty function uninstalls it.
void InstallEmbeddedDispatcher(EmbeddedDispatcher dispatcher);

class EmbeddedTransport : public ServerTransport {
public:
    // Raises Exception when no dispatcher is installed; exceptions of the dispatcher pass through.
    Variant Call(const std::string& method, const Variant::Array& args) override;
};
