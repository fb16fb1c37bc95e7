#pragma once
// The application-server module "KRD52100.rdmIntegraCardapio": one dispatcher in front of the nine
// methods the screen calls by name. Both transports (in-process and HTTP) call Dispatch.
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
#include "ServerConfig.h"
#include "Variant.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace appserver {

class SqliteDatabase;

class IntegraCardapioModule {
public:
    static constexpr const char* kName = "KRD52100.rdmIntegraCardapio";

    // Opens the store and brings its schema up to date; raises StoreError when it cannot. The
    // file access and the clock default to the real ones; tests pass their own.
    explicit IntegraCardapioModule(ServerConfig config, std::shared_ptr<const FileAccess> files = nullptr,
                                   std::shared_ptr<const Clock> clock = nullptr);
    ~IntegraCardapioModule();

    // Runs the method with positional arguments and returns its raw answer (Answer.h). Never
    // throws: an unknown method, a wrong argument count or type, a refused check and a failure of
    // the store all come back as failure answers.
    Variant Dispatch(const std::string& method, const Variant::Array& args);

    const ServerConfig& Config() const { return config_; }

private:
    enum class Argument { Text, Day, Value };
    struct Method {
        std::vector<Argument> arguments;
        std::function<Variant(SqliteDatabase&, const Variant::Array&)> run;
    };

    void DefineMethods();
    static std::string CheckArguments(const std::string& name, const Method& method, const Variant::Array& args);

    ServerConfig config_;
    std::shared_ptr<const FileAccess> files_;
    std::shared_ptr<const Clock> clock_;
    ImportRoots roots_;
    BranchLocks locks_;
    ImportProgress progress_;
    std::map<std::string, Method> methods_;
};

}  // namespace appserver
