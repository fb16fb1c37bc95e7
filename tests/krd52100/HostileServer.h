#pragma once
// An application server over HTTP on loopback that misbehaves on demand, for the screen's tests
// against bad servers. Every call goes to the real server's dispatcher, except the calls of one
// chosen method, which get the chosen fault instead of an answer. The server speaks the
// transport's own form (POST /rdm/<method>, MessagePack bodies), so the screen reaches it
// through its ordinary connection.
//
//   HostileServer server(realDispatcher);
//   session.SetServerAddress(server.Address());
//   server.Misbehave("GetPesqServ", HostileServer::Fault::Garbage);
//   ... the gesture ...
//   server.Behave();
//
// Handlers that hold an answer back (Silent, Drip) are released by Behave, Stop and the
// destructor, so that a test never waits for them to end.
#include "Variant.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

namespace krd52100::testing {

class HostileServer {
public:
    using Dispatcher = std::function<Variant(const std::string& method, const Variant::Array& args)>;

    enum class Fault {
        Silent,     // accepts the call and never answers
        Drip,       // answers one byte at a time, slowly, never finishing within a test
        Garbage,    // status 200 with bytes that are no MessagePack variant
        Status500,  // an HTML error page
        Drop,       // announces the whole answer, sends half of it and closes the connection
        Answer,     // a well-formed variant chosen by the test, usually of the wrong shape
    };

    // Listens on `port` of 127.0.0.1, or on any free port for 0.
    explicit HostileServer(Dispatcher real, int port = 0);
    ~HostileServer();
    HostileServer(const HostileServer&) = delete;
    HostileServer& operator=(const HostileServer&) = delete;

    // "http://127.0.0.1:<port>", for the session.
    std::string Address() const;
    int Port() const { return port_; }
    // From now on the calls of `method` get `fault`; with Fault::Answer they get `answer`.
    void Misbehave(const std::string& method, Fault fault, Variant answer = {});
    // Every call is answered by the real server again.
    void Behave();
    // The server goes down: nothing listens on its port any more.
    void Stop();

private:
    struct Plan {
        std::string method;
        Fault fault = Fault::Answer;
        Variant answer;
    };
    void Route();
    // Waits until a release after `generation` or until `seconds` pass; true when released.
    bool WaitForRelease(unsigned generation, double seconds);
    void Release();

    Dispatcher real_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;

    std::mutex mutex_;
    std::condition_variable released_;
    unsigned generation_ = 0;  // counts releases
    Plan plan_;
};

}  // namespace krd52100::testing
