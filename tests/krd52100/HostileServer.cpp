#include "HostileServer.h"

#include "DataPacket.h"

#include <httplib.h>

#include <chrono>
#include <stdexcept>

namespace krd52100::testing {

namespace {

constexpr const char* kContentType = "application/x-msgpack";
// Longer than any test waits: a fault that holds its answer back is only ended by a release.
constexpr double kHoldSeconds = 60;
// A drip of this many bytes, one each 0.2 s, lasts ten seconds: far past the tests' answer
// timeout, yet short enough that a client without a whole-answer deadline fails instead of hanging.
constexpr size_t kDripBytes = 50;

}  // namespace

HostileServer::HostileServer(Dispatcher real, int port)
    : real_(std::move(real)), server_(std::make_unique<httplib::Server>()), port_(port) {
    server_->set_tcp_nodelay(true);
    // Stopping waits for the workers of kept-alive connections; keep that wait short.
    server_->set_keep_alive_timeout(1);
    Route();
    if (port_ == 0)
        port_ = server_->bind_to_any_port("127.0.0.1");
    else if (!server_->bind_to_port("127.0.0.1", port_))
        port_ = -1;
    if (port_ < 0) throw std::runtime_error("cannot bind a loopback port");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

HostileServer::~HostileServer() { Stop(); }

std::string HostileServer::Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

void HostileServer::Misbehave(const std::string& method, Fault fault, Variant answer) {
    std::lock_guard lock(mutex_);
    plan_ = Plan{method, fault, std::move(answer)};
}

void HostileServer::Behave() {
    {
        std::lock_guard lock(mutex_);
        plan_ = Plan{};
    }
    Release();
}

void HostileServer::Stop() {
    Release();
    server_->stop();
    if (thread_.joinable()) thread_.join();
}

void HostileServer::Release() {
    {
        std::lock_guard lock(mutex_);
        ++generation_;
    }
    released_.notify_all();
}

bool HostileServer::WaitForRelease(unsigned generation, double seconds) {
    std::unique_lock lock(mutex_);
    return released_.wait_for(lock, std::chrono::duration<double>(seconds), [&] { return generation_ != generation; });
}

void HostileServer::Route() {
    server_->Post(R"(/rdm/([A-Za-z_][A-Za-z0-9_]*))", [this](const httplib::Request& request, httplib::Response& response) {
        const std::string method = request.matches[1];
        Plan plan;
        unsigned generation = 0;
        {
            std::lock_guard lock(mutex_);
            plan = plan_;
            generation = generation_;
        }
        const Variant::Array args = DecodeVariant(request.body).AsArray();
        if (plan.method != method) {
            response.set_content(EncodeVariant(real_(method, args)), kContentType);
            return;
        }
        switch (plan.fault) {
        case Fault::Silent:
            WaitForRelease(generation, kHoldSeconds);
            response.status = 503;
            return;
        case Fault::Drip:
            response.set_content_provider(kDripBytes, kContentType,
                                          [this, generation](size_t, size_t, httplib::DataSink& sink) {
                                              if (WaitForRelease(generation, 0.2)) return false;
                                              return sink.write("\x93", 1);
                                          });
            return;
        case Fault::Garbage:
            response.set_content("\xc1\xc1 <html>not an answer</html>", kContentType);
            return;
        case Fault::Status500:
            response.status = 500;
            response.set_content("<html><body><h1>Internal Server Error</h1></body></html>", "text/html");
            return;
        case Fault::Drop: {
            const std::string whole = EncodeVariant(real_(method, args));
            response.set_content_provider(whole.size(), kContentType,
                                          [whole](size_t, size_t, httplib::DataSink& sink) {
                                              sink.write(whole.data(), whole.size() / 2);
                                              return false;
                                          });
            return;
        }
        case Fault::Answer:
            response.set_content(EncodeVariant(plan.answer), kContentType);
            return;
        }
    });
}

}  // namespace krd52100::testing
