#include "EmbeddedTransport.h"

#include "SysUtils.h"

namespace {

EmbeddedDispatcher& Installed() {
    static EmbeddedDispatcher dispatcher;
    return dispatcher;
}

}  // namespace

void InstallEmbeddedDispatcher(EmbeddedDispatcher dispatcher) { Installed() = std::move(dispatcher); }

Variant EmbeddedTransport::Call(const std::string& method, const Variant::Array& args) {
    const EmbeddedDispatcher& dispatcher = Installed();
    if (!dispatcher) throw Exception("Servidor de aplicação local não disponível.");
    return dispatcher(method, args);
}
