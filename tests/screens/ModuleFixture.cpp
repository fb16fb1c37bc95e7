#include "ModuleFixture.h"

#include "Answer.h"
#include "EmbeddedTransport.h"
#include "Session.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "TApplication.h"
#include "TForm.h"
#include "TScreen.h"

#include <random>

namespace screens::testing {

void ModuleFixture::SetUp() {
    // The file check makes the file's folder the process's current one; each test starts and
    // ends in the folder it was started from.
    startFolder_ = std::filesystem::current_path();
    std::random_device random;
    dir_ = std::filesystem::temp_directory_path() / ("krd-screen-test-" + std::to_string(random()));
    std::filesystem::create_directories(dir_);
    dir_ = std::filesystem::canonical(dir_);
    demoFile_ = dir_ / "cardapio-demo.txt";
    appserver::DemoCompany::Create(PathOfStore(), demoFile_);
    // The server reads integration files, and writes exported ones, in the test's folder.
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

    package_ = Package::Load(modulePath_);
}

void ModuleFixture::TearDown() {
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
void ModuleFixture::FreeScreens() {
    if (boIdCriado()) CloseScreen();
    Application->ProcessMessages();
    while (!Screen->Forms().empty()) delete Screen->Forms().back();
}

void ModuleFixture::OpenScreen() {
    Package::Procedure iniProc = package_->Routine("IniProc");
    Application->Perform([iniProc] { iniProc(); });
}

void ModuleFixture::CloseScreen() {
    TForm* screen = &ScreenForm();
    Application->Perform([screen] { screen->Close(); });
}

void ModuleFixture::UseBranchMode(bool branchMode) { Session::Current().BranchMode = branchMode; }

void ModuleFixture::UseHttpServer() {
    httpServer_ = std::make_unique<appserver::HttpServer>(*server_, appserver::HttpServerOptions{});
    const int port = httpServer_->Start();
    Session::Current().SetServerAddress("http://127.0.0.1:" + std::to_string(port));
}

void ModuleFixture::ExecuteSql(const std::string& sql) {
    appserver::SqliteDatabase db(PathOfStore());
    db.Execute(sql);
}

std::string ModuleFixture::StoreQuery(const std::string& sql) {
    appserver::SqliteDatabase db(PathOfStore());
    auto query = db.Prepare(sql);
    return query.Step() ? query.Text(0) : "";
}

Variant ModuleFixture::ServerPayload(const std::string& method, const Variant::Array& args) {
    auto answer = appserver::Answer::Read(server_->Dispatch(method, args));
    EXPECT_TRUE(answer && answer->ok) << method << ": " << (answer ? answer->message : "malformed answer");
    return answer ? answer->payload : Variant();
}

void ModuleFixture::PressKey(Word key, TShiftState shift) { Application->PressKey(key, shift); }

void ModuleFixture::TypeText(const std::string& text) { Application->TypeText(text); }

void ModuleFixture::Click(TControl& control) { Application->Click(control); }

void ModuleFixture::Focus(TWinControl& control) { Application->Focus(control); }

}  // namespace screens::testing
