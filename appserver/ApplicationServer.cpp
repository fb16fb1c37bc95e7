#include "ApplicationServer.h"

#include "Answer.h"
#include "ExportaCardapioModule.h"
#include "IntegraCardapioModule.h"

#include <stdexcept>

namespace appserver {

ApplicationServer::ApplicationServer(ServerConfig config, std::shared_ptr<const FileAccess> files,
                                     std::shared_ptr<const Clock> clock)
    : config_(std::move(config)) {
    if (!files) files = std::make_shared<LocalFileAccess>();
    Host(std::make_unique<IntegraCardapioModule>(config_, files, clock));
    Host(std::make_unique<ExportaCardapioModule>(config_, files));
}

ApplicationServer::~ApplicationServer() = default;

void ApplicationServer::Host(std::unique_ptr<RemoteModule> module) {
    for (const std::string& name : module->MethodNames()) {
        if (!routes_.emplace(name, module.get()).second)
            throw std::logic_error("two modules of the application server define the method " + name);
    }
    modules_.push_back(std::move(module));
}

Variant ApplicationServer::Dispatch(const std::string& method, const Variant::Array& args) {
    auto route = routes_.find(method);
    if (route == routes_.end()) return Answer::Failure("Método desconhecido: " + method);
    return route->second->Dispatch(method, args);
}

}  // namespace appserver
