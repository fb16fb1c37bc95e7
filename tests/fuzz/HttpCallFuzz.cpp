// The application server's handling of an HTTP request body: decoding it into a method call and
// running that call through the dispatcher on the demo company's store, as the HTTP server does.
// The first byte picks the route: even for POST /call (the rest is the body); odd for
// POST /rdm/<method>, the rest being the method name, a line feed and the body. Whatever the
// body, a refused one names why, and a call always answers [Boolean, String, payload] that
// encodes for the response. A call that may write puts the pristine store back afterwards, so
// every input meets the same data.
#include "FuzzCheck.h"

#include "Answer.h"
#include "DataPacket.h"
#include "DemoCompany.h"
#include "HttpCall.h"
#include "ApplicationServer.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The demo week, so that the lookups "valid today" find the demo configurations.
class DemoWeekClock : public appserver::Clock {
public:
    TDateTime Now() const override { return EncodeDate(2025, 3, 5); }
};

class DemoServer {
public:
    DemoServer() : folder_(fs::temp_directory_path() / ("krd-fuzz-http-" + std::to_string(getpid()))) {
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "importacao");
        appserver::DemoCompany::Create(Store().string(), folder_ / "importacao" / "cardapio-demo.txt");
        module_ = std::make_unique<appserver::ApplicationServer>(
            appserver::ServerConfig{Store().string(), {folder_ / "importacao"}}, nullptr,
            std::make_shared<DemoWeekClock>());
        fs::copy_file(Store(), Pristine());
    }
    ~DemoServer() { fs::remove_all(folder_); }

    Variant Dispatch(const appserver::HttpCall& call) {
        Variant raw = module_->Dispatch(call.method, call.args);
        if (call.method == "SetDiretorio" || call.method == "ImportaCardapio") Restore();
        return raw;
    }

private:
    fs::path Store() const { return folder_ / "empresa.db"; }
    fs::path Pristine() const { return folder_ / "pristine.db"; }

    // Every connection is closed between calls, so the store is one file again by now.
    void Restore() {
        fs::remove(folder_ / "empresa.db-wal");
        fs::remove(folder_ / "empresa.db-shm");
        fs::copy_file(Pristine(), Store(), fs::copy_options::overwrite_existing);
    }

    fs::path folder_;
    std::unique_ptr<appserver::ApplicationServer> module_;
};

DemoServer& Server() {
    static DemoServer server;
    return server;
}

bool IsPathMethod(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (char c : name)
        if (!(c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string pathMethod;
    if (data[0] & 1) {
        const size_t end = body.find('\n');
        if (end == std::string_view::npos || !IsPathMethod(body.substr(0, end))) return 0;
        pathMethod = body.substr(0, end);
        body.remove_prefix(end + 1);
    }
    const appserver::HttpCall call = appserver::HttpCall::FromBody(body, pathMethod);
    if (!call.refusal.empty()) return 0;
    FuzzCheck(!call.method.empty() || pathMethod.empty(), "a routed call keeps its path's method");

    const Variant raw = Server().Dispatch(call);
    FuzzCheck(appserver::Answer::Read(raw).has_value(), "every call answers [Boolean, String, payload]");
    const std::string response = EncodeVariant(raw);
    FuzzCheck(EncodeVariant(DecodeVariant(response)) == response, "the response body decodes as sent");
    return 0;
}
