#include "ScreenFixture.h"

#include "Answer.h"
#include "EmbeddedTransport.h"
#include "Session.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "TApplication.h"
#include "TDBGrid.h"
#include "TForm.h"
#include "TMaskEdit.h"
#include "TScreen.h"

#include <random>

namespace krd52100::testing {

void ScreenFixture::SetUp() {
    // The file check makes the file's folder the process's current one; each test starts and
    // ends in the folder it was started from.
    startFolder_ = std::filesystem::current_path();
    std::random_device random;
    dir_ = std::filesystem::temp_directory_path() / ("krd52100-screen-test-" + std::to_string(random()));
    std::filesystem::create_directories(dir_);
    dir_ = std::filesystem::canonical(dir_);
    demoFile_ = dir_ / "cardapio-demo.txt";
    appserver::DemoCompany::Create(PathOfStore(), demoFile_);
    appserver::ServerConfig config{PathOfStore(), {dir_}};
    config.exportRoots = {dir_};
    server_ = std::make_unique<appserver::ApplicationServer>(config);
    InstallEmbeddedDispatcher([this](const std::string& method, const Variant::Array& args) {
        return server_->Dispatch(method, args);
    });

    Session& session = Session::Current();
    session.Reset();
    session.BranchCode = kOwnBranch;
    session.BranchName = kOwnBranchName;
    session.OperatorCode = kOperator;
    session.ModuleAcronym = "KRD";
    session.SetServerAddress("embedded");
    session.SetGeneralDatabasePath(PathOfStore());
    Application->SetDialogService(&dialogs_);

    package_ = Package::Load(KRD52100_MODULE_PATH);
}

void ScreenFixture::TearDown() {
    EXPECT_TRUE(busy_.Balanced()) << busy_.Starts() << " busy starts, " << busy_.Stops() << " stops";
    EXPECT_EQ(dialogs_.PendingAnswers(), 0u) << "scripted dialog answers left unused";
    EXPECT_EQ(lookups_.PendingAnswers(), 0u) << "scripted lookup answers left unused";
    FreeScreens();
    package_->Unload();
    Application->SetDialogService(nullptr);
    InstallEmbeddedDispatcher({});
    httpServer_.reset();
    server_.reset();
    Session::Current().Reset();
    std::filesystem::current_path(startFolder_);
    std::filesystem::remove_all(dir_);
}

// The module's code must be gone from every live object before the library is closed.
void ScreenFixture::FreeScreens() {
    if (boIdCriado()) CloseScreen();
    Application->ProcessMessages();
    while (!Screen->Forms().empty()) delete Screen->Forms().back();
}

void ScreenFixture::OpenScreen() {
    Package::Procedure iniProc = package_->Routine("IniProc");
    Application->Perform([iniProc] { iniProc(); });
}

TfrmIntegraCardapio& ScreenFixture::Frm() {
    if (!boIdCriado() || !frmIntegraCardapio()) throw std::logic_error("no screen is open");
    return *frmIntegraCardapio();
}

void ScreenFixture::CloseScreen() {
    TfrmIntegraCardapio* screen = &Frm();
    Application->Perform([screen] { screen->Close(); });
}

void ScreenFixture::UseBranchMode(bool branchMode) { Session::Current().BranchMode = branchMode; }

void ScreenFixture::UseHttpServer() {
    httpServer_ = std::make_unique<appserver::HttpServer>(*server_, appserver::HttpServerOptions{});
    const int port = httpServer_->Start();
    Session::Current().SetServerAddress("http://127.0.0.1:" + std::to_string(port));
}

void ScreenFixture::SetIntegrationModes(const std::optional<std::string>& modes) {
    appserver::SqliteDatabase db(PathOfStore());
    if (modes)
        db.Prepare("UPDATE PARAMINTEGRACAO SET IDMODMATRIZFILI = ?").Bind(1, *modes).Run();
    else
        db.Execute("DELETE FROM PARAMINTEGRACAO");
}

void ScreenFixture::ForgetRememberedFile() { ExecuteSql("DELETE FROM DIRETORIO"); }

void ScreenFixture::ExecuteSql(const std::string& sql) {
    appserver::SqliteDatabase db(PathOfStore());
    db.Execute(sql);
}

std::string ScreenFixture::StoreQuery(const std::string& sql) {
    appserver::SqliteDatabase db(PathOfStore());
    auto query = db.Prepare(sql);
    return query.Step() ? query.Text(0) : "";
}

std::string ScreenFixture::RememberedFile() {
    appserver::SqliteDatabase db(PathOfStore());
    auto query = db.Prepare("SELECT DSDIRETORIO FROM DIRETORIO WHERE CDPROGRAMA = 'KRD52100'");
    return query.Step() ? query.Text(0) : "";
}

Variant ScreenFixture::ServerPayload(const std::string& method, const Variant::Array& args) {
    auto answer = appserver::Answer::Read(server_->Dispatch(method, args));
    EXPECT_TRUE(answer && answer->ok) << method << ": " << (answer ? answer->message : "malformed answer");
    return answer ? answer->payload : Variant();
}

void ScreenFixture::LoadFile(const std::string& fileName, const std::string& branch) {
    TfrmIntegraCardapio& frm = Frm();
    Focus(*frm.medNmArquivo);
    frm.medNmArquivo->SelectAll();
    TypeText(fileName);
    if (frm.medCdFilial->Enabled()) {
        Focus(*frm.medCdFilial);
        frm.medCdFilial->SelectAll();
        TypeText(branch);
    }
    Focus(*frm.dbgPadrao);
}

void ScreenFixture::PressKey(Word key, TShiftState shift) { Application->PressKey(key, shift); }

void ScreenFixture::TypeText(const std::string& text) { Application->TypeText(text); }

void ScreenFixture::Click(TControl& control) { Application->Click(control); }

void ScreenFixture::Focus(TWinControl& control) { Application->Focus(control); }

}  // namespace krd52100::testing
