#pragma once
// The application-server module "KRD52100.rdmIntegraCardapio": the nine methods the import
// screen calls by name, and those of the import's memory (kept mappings, history, undo) that the
// client's windows and the command line call. The application server (ApplicationServer.h) routes calls to it.
//
//   IntegraCardapioModule module(ServerConfig{"/srv/krd/company.db", {"/srv/krd/import"}});
//   Variant raw = module.Dispatch("GetPesqServ", {"0002"});
//   auto answer = Answer::Read(raw);  // [ok, message, payload]
//
// Thread-safety: Dispatch may be called from several threads at once. Each call works on its own
// connection to the store; imports into one branch are serialised (BranchLocks, and the import's
// BEGIN IMMEDIATE across processes).
#include "BranchLocks.h"
#include "Clock.h"
#include "FileAccess.h"
#include "ImportProgress.h"
#include "ImportRoots.h"
#include "RemoteModule.h"

#include <memory>

namespace appserver {

class IntegraCardapioModule : public RemoteModule {
public:
    static constexpr const char* kName = "KRD52100.rdmIntegraCardapio";

    // Opens the store and brings its schema up to date; raises StoreError when it cannot. The
    // file access and the clock default to the real ones; tests pass their own.
    explicit IntegraCardapioModule(ServerConfig config, std::shared_ptr<const FileAccess> files = nullptr,
                                   std::shared_ptr<const Clock> clock = nullptr);
    ~IntegraCardapioModule() override;

private:
    void DefineMethods();

    std::shared_ptr<const FileAccess> files_;
    std::shared_ptr<const Clock> clock_;
    ImportRoots roots_;
    BranchLocks locks_;
    ImportProgress progress_;
};

}  // namespace appserver
