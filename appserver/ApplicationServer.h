#pragma once
// The application server: the remote modules it hosts and the routing of a call to the module
// that defines the method. Calls carry only the method's name, so a name is defined by one module
// on the whole server. Both transports (in-process and HTTP) call Dispatch.
//
//   ApplicationServer server(ServerConfig{"/srv/krd/company.db", {"/srv/krd/import"}});
//   Variant raw = server.Dispatch("ExportaCardapio", {"0002", first, last, Variant(), ""});
//
// Hosted: "KRD52100.rdmIntegraCardapio" (the import) and "KRD52200.rdmExportaCardapio" (the
// export). Thread-safety: as RemoteModule::Dispatch.
#include "Clock.h"
#include "FileAccess.h"
#include "RemoteModule.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace appserver {

class ApplicationServer {
public:
    // Opens the store and brings its schema up to date; raises StoreError when it cannot. The
    // file access and the clock default to the real ones; tests pass their own.
    explicit ApplicationServer(ServerConfig config, std::shared_ptr<const FileAccess> files = nullptr,
                               std::shared_ptr<const Clock> clock = nullptr);
    ~ApplicationServer();
    ApplicationServer(const ApplicationServer&) = delete;
    ApplicationServer& operator=(const ApplicationServer&) = delete;

    // The raw answer of the module that defines the method; never throws.
    Variant Dispatch(const std::string& method, const Variant::Array& args);

    const ServerConfig& Config() const { return config_; }

private:
    // Raises std::logic_error when two modules define one name: a call could not tell them apart.
    void Host(std::unique_ptr<RemoteModule> module);

    ServerConfig config_;
    std::vector<std::unique_ptr<RemoteModule>> modules_;
    std::map<std::string, RemoteModule*> routes_;
};

}  // namespace appserver
