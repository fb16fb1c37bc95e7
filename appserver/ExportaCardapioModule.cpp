#include "ExportaCardapioModule.h"

#include "MenuExport.h"

namespace appserver {

ExportaCardapioModule::ExportaCardapioModule(ServerConfig config, std::shared_ptr<const FileAccess> files)
    : RemoteModule(std::move(config)),
      files_(files ? std::move(files) : std::make_shared<LocalFileAccess>()),
      exportRoots_(config_.exportRoots, *files_) {
    DefineMethods();
}

ExportaCardapioModule::~ExportaCardapioModule() = default;

void ExportaCardapioModule::DefineMethods() {
    using enum Argument;
    methods_["ExportaCardapio"] = {{Text, Day, Day, Value, Text}, [this](SqliteDatabase& db, const Variant::Array& a) {
                                       return MenuExport(db, exportRoots_, *files_)
                                           .ExportaCardapio(AsText(a[0]), AsDay(a[1]), AsDay(a[2]), a[3], AsText(a[4]));
                                   }};
}

}  // namespace appserver
