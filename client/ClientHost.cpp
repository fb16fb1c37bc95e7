#include "ClientHost.h"

#include "QtBusyIndicator.h"
#include "QtDialogs.h"
#include "QtLookupDialog.h"

#include "screen/TfrmIntegraCardapio.h"

#include "DemoCompany.h"
#include "EmbeddedTransport.h"
#include "HttpTransport.h"
#include "ApplicationServer.h"
#include "Package.h"
#include "Session.h"
#include "TApplication.h"
#include "TForm.h"
#include "TScreen.h"

#include <cstdlib>
#include <stdexcept>

std::filesystem::path ClientOptions::DemoFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data) return std::filesystem::path(data) / "krd52100";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "krd52100";
}

ClientHost::ClientHost(ClientOptions options) : options_(std::move(options)) {}

ClientHost::~ClientHost() { TearDown(); }

void ClientHost::Start(QWidget* window) {
    PrepareDatabase();
    SetUpSession();
    StartServer();
    dialogs_ = std::make_unique<QtDialogs>(window);
    lookups_ = std::make_unique<QtLookupDialog>(window);
    busy_ = std::make_unique<QtBusyIndicator>(window);
    Application->SetDialogService(dialogs_.get());
    InstallLookupDialogService(lookups_.get());
    InstallBusyIndicator(busy_.get());
    package_ = Package::Load(options_.modulePath.string());
    exportPackage_ = Package::Load(options_.exportModulePath.string());
}

// The demo company and its integration file are made once, in the user's data folder.
void ClientHost::PrepareDatabase() {
    if (!options_.database.empty()) {
        if (!std::filesystem::exists(options_.database))
            throw std::runtime_error("Banco de dados não encontrado: " + options_.database.string());
        return;
    }
    const std::filesystem::path folder = ClientOptions::DemoFolder();
    std::filesystem::create_directories(folder);
    options_.database = folder / "empresa.db";
    if (!std::filesystem::exists(options_.database))
        appserver::DemoCompany::Create(options_.database.string(), folder / "cardapio-demo.txt");
}

void ClientHost::SetUpSession() {
    Session::Current().LogIn({options_.operatorCode, options_.branch, options_.branchMode, options_.moduleAcronym,
                              options_.server, options_.token, options_.database.string()});
}

// The in-process server reads integration files, and writes exported ones, below the company's
// folder and the user's home.
void ClientHost::StartServer() {
    Session& session = Session::Current();
    if (session.ServerHost() != "embedded") {
        HttpTransport(session.ServerHost(), session.ServerPort(), session.ServerToken).Call("GetParamIntegra", {});
        return;
    }
    std::vector<std::filesystem::path> roots{std::filesystem::absolute(options_.database).parent_path()};
    if (const char* home = std::getenv("HOME"); home && *home) roots.emplace_back(home);
    appserver::ServerConfig config{options_.database.string(), roots};
    config.exportRoots = roots;
    server_ = std::make_unique<appserver::ApplicationServer>(config);
    InstallEmbeddedDispatcher([server = server_.get()](const std::string& method, const Variant::Array& args) {
        return server->Dispatch(method, args);
    });
}

TForm* ClientHost::OpenImportScreen() {
    Package::Procedure iniProc = package_->Routine("IniProc");
    Application->Perform([iniProc] { iniProc(); });
    if (!package_->Variable<bool>("boIdCriado")) return nullptr;
    return package_->Variable<TfrmIntegraCardapio*>("frmIntegraCardapio");
}

// The export module's variable is of its own screen's class; the form is found by its name.
TForm* ClientHost::OpenExportScreen() {
    Package::Procedure iniProc = exportPackage_->Routine("IniProc");
    Application->Perform([iniProc] { iniProc(); });
    if (!exportPackage_->Variable<bool>("boIdCriado")) return nullptr;
    for (TForm* form : Screen->Forms())
        if (form->Name() == "frmExportaCardapio") return form;
    return nullptr;
}

// The modules' code must be gone from every live object before the libraries are closed.
void ClientHost::TearDown() {
    Application->ProcessMessages();
    while (!Screen->Forms().empty()) delete Screen->Forms().back();
    for (auto* package : {package_.get(), exportPackage_.get()})
        if (package && package->Loaded()) package->Unload();
    InstallBusyIndicator(nullptr);
    InstallLookupDialogService(nullptr);
    Application->SetDialogService(nullptr);
    InstallEmbeddedDispatcher({});
    server_.reset();
}
