#pragma once
// How the clients of the HTTP transport send a call, so that a connection the server dropped at
// the wrong moment does not reach the user as a failure, while no call that writes ever runs
// twice (docs/server-protocol.md, "Lost connections").
//
// The server ends a kept-alive connection after a few calls or a few idle seconds, and a crowd
// of clients may see a new connection dropped at its door. A call sent on such a connection is
// lost before the server reads it, yet the client cannot tell that apart from a server that ran
// the call and then lost the connection. Hence:
//  - a call that did not leave whole is sent again: the server runs no call whose body it has not
//    read to the end;
//  - a call whose answer did not come is sent again only when it changes nothing at the server;
//  - a call that writes goes out on a new connection, which the server does not close before
//    reading it, so that it never meets a kept-alive connection being closed.
// Header-only: the desktop client's transport (host) and the tools' client share it.
#include "Variant.h"

#include <httplib.h>

#include <string>

namespace appserver::http {

class CallResend {
public:
    // Running the call twice leaves the server as running it once: the methods named Get... and
    // the load (ImportaCardapio without mapping tables). Any other call, a method added later
    // included, counts as one that writes.
    static bool ChangesNothing(const std::string& method, const Variant::Array& args) {
        if (method.starts_with("Get")) return true;
        return method == "ImportaCardapio" && args.size() == 6 && args[3].IsNull() && args[4].IsNull() &&
               args[5].IsNull();
    }

    // `sendOnce` sends the call on `client` and returns the library's result; it runs a second
    // time for a resend, so it must start the answer afresh.
    template <class SendOnce>
    static httplib::Result Send(httplib::Client& client, bool changesNothing, SendOnce sendOnce) {
        if (!changesNothing) client.stop();
        httplib::Result result = sendOnce();
        const bool sendAgain = !result && (result.error() == httplib::Error::Write ||
                                           (changesNothing && result.error() == httplib::Error::Read));
        if (!sendAgain) return result;
        client.stop();
        return sendOnce();
    }
};

}  // namespace appserver::http
