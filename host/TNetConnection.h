#pragma once
// A screen's connection to a module of the application server ("KRD52100.rdmIntegraCardapio"),
// through which it makes late-bound calls by method name with positional arguments. ServerName
// names the module for the reader; a server serves one module, so calls carry only the method.
//
// States: closed --Open/SetConnected(true): BeforeConnect, then the transport is chosen--> open
//         open --Close/SetConnected(false)--> closed
// The transport follows Host when the connection opens: empty or "embedded" calls the
// in-process server (EmbeddedTransport.h); any other host calls http://Host:Port.
//
// The connection raises no exception of its own: a call on a closed connection, or one the
// transport cannot deliver, yields a failure answer [false, reason, Null] in the shape of the
// server's raw answers, so that CheckResultServ shows it like any server failure. Exceptions of
// the BeforeConnect handler do propagate (they are the screen's own).
#include "TComponent.h"
#include "Variant.h"

#include <functional>
#include <memory>
#include <string>

class ServerTransport;

class TNetConnection : public TComponent {
public:
    using TNotifyEvent = std::function<void(TComponent* Sender)>;

    explicit TNetConnection(TComponent* owner = nullptr);
    ~TNetConnection() override;

    std::string Host;
    int Port = 0;
    std::string ServerName;
    // Runs when the connection opens, before the transport is chosen: the place to set Host
    // and Port from the session.
    TNotifyEvent BeforeConnect;

    bool Connected() const { return transport_ != nullptr; }
    void SetConnected(bool connected);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }

    // Calls `method` on the server module and returns its raw answer (see above).
    Variant Call(const std::string& method, Variant::Array args = {});
    // The same call on a transport of its own and without the busy indicator: a question put to
    // the server from another thread while a Call of this connection waits for its answer.
    Variant CallAside(const std::string& method, const Variant::Array& args) const;

    // Told of every call any connection made, once it returned: how a desk follows what its
    // screens did at the server (the client's status bar after an import).
    static inline std::function<void(const std::string& method, const Variant::Array& args)> AfterCall;

private:
    std::unique_ptr<ServerTransport> NewTransport() const;

    std::unique_ptr<ServerTransport> transport_;
};
