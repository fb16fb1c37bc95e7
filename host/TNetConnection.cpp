#include "TNetConnection.h"

#include "BusyIndicator.h"
#include "EmbeddedTransport.h"
#include "HttpTransport.h"
#include "Session.h"

#include <exception>

namespace {

Variant FailureAnswer(const std::string& reason) { return VarArrayOf({false, reason, Variant()}); }

// Host as the session's WebURL gives it, or a whole "http://host" address.
std::string BareHost(const std::string& host) {
    const std::string scheme = "http://";
    return host.rfind(scheme, 0) == 0 ? host.substr(scheme.size()) : host;
}

}  // namespace

TNetConnection::TNetConnection(TComponent* owner) : TComponent(owner) {}

TNetConnection::~TNetConnection() = default;

void TNetConnection::SetConnected(bool connected) {
    if (connected == Connected()) return;
    if (!connected) {
        transport_.reset();
        return;
    }
    if (BeforeConnect) BeforeConnect(this);
    transport_ = NewTransport();
}

std::unique_ptr<ServerTransport> TNetConnection::NewTransport() const {
    std::string host = BareHost(Host);
    if (host.empty() || host == "embedded") return std::make_unique<EmbeddedTransport>();
    return std::make_unique<HttpTransport>(host, Port, Session::Current().ServerToken,
                                           Session::Current().ServerAnswerSeconds);
}

Variant TNetConnection::Call(const std::string& method, Variant::Array args) {
    if (!transport_) return FailureAnswer("Conexão com o servidor de aplicação fechada.");
    Variant answer;
    try {
        answer = CallWhileBusy([&] { return transport_->Call(method, args); });
    } catch (const std::exception& error) {
        answer = FailureAnswer(error.what());
    }
    if (AfterCall) AfterCall(method, args);
    return answer;
}

Variant TNetConnection::CallAside(const std::string& method, const Variant::Array& args) const {
    if (!transport_) return FailureAnswer("Conexão com o servidor de aplicação fechada.");
    try {
        return NewTransport()->Call(method, args);
    } catch (const std::exception& error) {
        return FailureAnswer(error.what());
    }
}
