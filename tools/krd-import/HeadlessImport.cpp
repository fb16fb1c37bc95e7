#include "HeadlessImport.h"

#include "screen/TfrmIntegraCardapio.h"

#include "ApplicationServer.h"
#include "EmbeddedTransport.h"
#include "HttpTransport.h"
#include "HistoryReport.h"
#include "ImportHistoryCalls.h"
#include "MappingTables.h"
#include "Package.h"
#include "Session.h"
#include "TApplication.h"
#include "TClientDataSet.h"
#include "TCustomPageControl98.h"
#include "TDateEditPlus.h"
#include "TMaskEdit.h"
#include "TScreen.h"
#include "TSpeedButton.h"
#include "TTabSheet98.h"

#include <ostream>

namespace krdimport {

HeadlessImport::HeadlessImport(ImportOptions options, std::ostream& out, std::ostream& err)
    : options_(std::move(options)), out_(out), err_(err), dialogs_(err) {}

HeadlessImport::~HeadlessImport() { TearDownHost(); }

ImportOutcome HeadlessImport::Run() {
    if (Open() == ImportOutcome::Success) WorkScreen();
    return Finish();
}

ImportOutcome HeadlessImport::Open() {
    Guarded([this] { SetUpHost(); OpenScreen(); });
    return Outcome();
}

ImportOutcome HeadlessImport::ImportFile(const std::filesystem::path& file, std::optional<TDateTime> date) {
    options_.file = file;
    options_.date = date ? DateToStr(*date) : std::string();
    failed_ = refused_ = false;
    refusalsBefore_ = dialogs_.Refusals();
    WorkScreen();
    return Finish();
}

void HeadlessImport::Guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        err_ << "krd-import: " << error.what() << std::endl;
        failed_ = true;
    }
}

void HeadlessImport::WorkScreen() {
    Guarded([this] {
        TfrmIntegraCardapio& screen = *package_->Variable<TfrmIntegraCardapio*>("frmIntegraCardapio");
        if (!Load(screen) || !Configure(screen)) return;
        if (options_.showMappings) PrintMappingTables(screen, out_);
        if (options_.dryRun) {
            out_ << "Dry run: nothing was imported.\n";
            return;
        }
        const int64_t before = ImportHistoryCalls::Newest(options_.branch);
        if (Import(screen))
            out_ << "Imported " << options_.file.filename().string() << " into branch " << options_.branch << ".\n";
        PrintHistory(before);
    });
}

// The screen shows a refusal's first reason only: the history has every one, and the lines a
// written import left out.
void HeadlessImport::PrintHistory(int64_t before) {
    const Variant detail = ImportHistoryCalls::DetailAfter(options_.branch, before);
    if (detail.IsNull()) return;
    const DataPacket& attempt = detail[0].AsPacket();
    if (attempt.Value(0, "IDRESULTADO").AsString() == "G") {
        out_ << appserver::HistoryReport::Counts(attempt, 0) << ".\n";
        return;
    }
    for (const auto& reason : appserver::HistoryReport::Texts(detail, "R")) out_ << reason << "\n";
}

ImportOutcome HeadlessImport::Finish() {
    if (Outcome() == ImportOutcome::Refused) out_ << "Refused: see the message above.\n";
    return Outcome();
}

ImportOutcome HeadlessImport::Outcome() const {
    if (failed_) return ImportOutcome::Error;
    return Going() ? ImportOutcome::Success : ImportOutcome::Refused;
}

bool HeadlessImport::Refuse(const std::string& reason) {
    err_ << "krd-import: " << reason << std::endl;
    refused_ = true;
    return false;
}

void HeadlessImport::SetUpHost() {
    Session& session = Session::Current();
    session.LogIn({options_.operatorCode, options_.branch, options_.branchMode, "KRD", options_.server, options_.token,
                   options_.database.string()});

    if (session.ServerHost() == "embedded") {
        // The in-process server reads integration files only below the file's own folder.
        const std::filesystem::path root = std::filesystem::absolute(options_.file).parent_path();
        server_ = std::make_unique<appserver::ApplicationServer>(
            appserver::ServerConfig{options_.database.string(), {root}});
        InstallEmbeddedDispatcher([server = server_.get()](const std::string& method, const Variant::Array& args) {
            return server->Dispatch(method, args);
        });
    } else {
        // The screen would only show "no communication" like any refusal: a server out of reach
        // is an error of the run, found before the screen opens (HttpTransport raises).
        HttpTransport(session.ServerHost(), session.ServerPort(), session.ServerToken).Call("GetParamIntegra", {});
    }
    Application->SetDialogService(&dialogs_);
    // A file the platform cannot read or a text it cannot convert is shown to the user like any
    // refusal; any other fault that no check of the screen reported (the server out of reach,
    // say) is an error.
    Application->OnException = [this](TComponent*, const Exception& error) {
        if (dynamic_cast<const EInOutError*>(&error) || dynamic_cast<const EConvertError*>(&error)) {
            Application->ShowException(error);
            return;
        }
        err_ << "krd-import: error: " << error.Message() << std::endl;
        failed_ = true;
    };
    package_ = Package::Load(options_.modulePath.string());
}

// The module's code must be gone from every live object before the library is closed.
void HeadlessImport::TearDownHost() {
    if (package_ && package_->Loaded()) {
        if (package_->Variable<bool>("boIdCriado")) {
            TfrmIntegraCardapio* screen = package_->Variable<TfrmIntegraCardapio*>("frmIntegraCardapio");
            Application->Perform([screen] { screen->Close(); });
        }
        Application->ProcessMessages();
        while (!Screen->Forms().empty()) delete Screen->Forms().back();
        package_->Unload();
    }
    Application->OnException = nullptr;
    Application->SetDialogService(nullptr);
    InstallEmbeddedDispatcher({});
    server_.reset();
}

bool HeadlessImport::OpenScreen() {
    Package::Procedure iniProc = package_->Routine("IniProc");
    Application->Perform([iniProc] { iniProc(); });
    if (!Going()) return false;
    if (!package_->Variable<bool>("boIdCriado")) return Refuse("the screen did not open");
    return true;
}

bool HeadlessImport::Load(TfrmIntegraCardapio& screen) {
    Application->Focus(*screen.medNmArquivo);
    screen.medNmArquivo->SelectAll();
    Application->TypeText(std::filesystem::absolute(options_.file).string());
    // In branch mode the branch edit is disabled and already holds the client's own branch.
    if (screen.medCdFilial->Enabled()) {
        Application->Focus(*screen.medCdFilial);
        // A refused file keeps the focus in its own edit: the branch must not be typed there.
        if (!Going()) return false;
        screen.medCdFilial->SelectAll();
        Application->TypeText(options_.branch);
    }
    Application->Focus(*screen.dbgPadrao);
    if (!Going()) return false;
    if (!screen.cdsServicos->Active()) return Refuse("the file was not loaded");
    return true;
}

bool HeadlessImport::Configure(TfrmIntegraCardapio& screen) {
    Application->Perform([&screen] { screen.pgcPadrao->ClickTab(screen.tshConfig); });
    if (!Going()) return false;
    if (screen.pgcPadrao->ActivePage() != screen.tshConfig) return Refuse("the \"Configuração\" tab did not open");
    if (options_.date.empty()) return true;
    Application->Focus(*screen.depDestino);
    screen.depDestino->SelectAll();
    Application->TypeText(options_.date);
    Application->Focus(*screen.dbgTipoPrat);
    return Going();
}

bool HeadlessImport::Import(TfrmIntegraCardapio& screen) {
    if (screen.cdsServicos->IsEmpty())
        return Refuse("the file exports no service: there is nothing to import");
    if (!screen.sbtImportExport->Enabled())
        return Refuse("the import button is disabled: a service has no destination service");
    Application->Click(*screen.sbtImportExport);
    return Going();
}

}  // namespace krdimport
