#pragma once
// The application-server module "KRD52200.rdmExportaCardapio": the method the export screen
// calls by name. The application server (ApplicationServer.h) routes calls to it.
//
//   ExportaCardapioModule module(ServerConfig{"/srv/krd/company.db", {}, kDefault, {"/srv/krd/export"}});
//   Variant raw = module.Dispatch("ExportaCardapio", {"0002", first, last, Variant(), ""});
//
// Thread-safety: Dispatch may be called from several threads at once; each export reads its own
// snapshot of the store and writes its own temporary file.
#include "FileAccess.h"
#include "ImportRoots.h"
#include "RemoteModule.h"

#include <memory>

namespace appserver {

class ExportaCardapioModule : public RemoteModule {
public:
    static constexpr const char* kName = "KRD52200.rdmExportaCardapio";

    // The file access defaults to the real one; tests pass their own.
    explicit ExportaCardapioModule(ServerConfig config, std::shared_ptr<const FileAccess> files = nullptr);
    ~ExportaCardapioModule() override;

private:
    void DefineMethods();

    std::shared_ptr<const FileAccess> files_;
    ImportRoots exportRoots_;
};

}  // namespace appserver
