#pragma once
// A host around the screen module, for tests: the built KRD52100 library loaded through the
// host's package loader, the real application server in process on a temporary demo company
// (which is also the host's general database, so the branch query sees the same FILIAL table),
// a logged-in session, scripted message boxes and lookup lists, and a counting busy indicator.
//
//   class MyTest : public krd52100::testing::ScreenFixture {};
//   TEST_F(MyTest, Something) {
//       UseBranchMode(true);          // session settings before opening
//       OpenScreen();                 // IniProc, as the host calls it
//       TfrmIntegraCardapio& frm = Frm();
//       Focus(*frm.medCdFilial);      // gestures go through Application, like the desktop's
//       TypeText("3");
//       EXPECT_EQ(Messages(), (std::vector<std::string>{"..."}));
//   }
//
// Every test ends with these checks (TearDown): the busy indicator was stopped as often as it
// was started, and every scripted dialog answer was used. The screen is closed and freed and the
// module unloaded after each test, so each test starts with a freshly loaded module.
#include "screen/TfrmIntegraCardapio.h"

#include "CountingBusyIndicator.h"
#include "DemoCompany.h"
#include "HttpServer.h"
#include "ApplicationServer.h"
#include "Keys.h"
#include "Package.h"
#include "ScriptedLookups.h"
#include "TScriptedDialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace krd52100::testing {

class ScreenFixture : public ::testing::Test {
protected:
    // The session's own branch: the head office of the demo company.
    static constexpr const char* kOwnBranch = appserver::DemoCompany::kHeadOffice;
    static constexpr const char* kOwnBranchName = "Matriz - São Paulo";
    static constexpr const char* kOperator = "OPER";
    // A branch that registers every service, diet and dish type of the demo under codes of its
    // own (and its names in capitals): loaded into it, origin and destination never look alike.
    static constexpr const char* kDestinationBranch = "0003";

    void SetUp() override;
    void TearDown() override;

    // --- The module, as the host reaches it.
    // Calls IniProc inside one user action, as the host's menu does.
    void OpenScreen();
    // The screen last created (the module's frmIntegraCardapio); fails the test when no screen
    // is open.
    TfrmIntegraCardapio& Frm();
    bool ScreenOpen() { return boIdCriado(); }
    // Closes the screen as the host closing its window does (one user action).
    void CloseScreen();
    bool& boIdCriado() { return package_->Variable<bool>("boIdCriado"); }
    bool& boImporta() { return package_->Variable<bool>("boImporta"); }
    bool& boPrimVez() { return package_->Variable<bool>("boPrimVez"); }
    TfrmIntegraCardapio*& frmIntegraCardapio() { return package_->Variable<TfrmIntegraCardapio*>("frmIntegraCardapio"); }
    Package& Module() { return *package_; }

    // --- The session (set before opening the screen).
    void UseBranchMode(bool branchMode);
    // Serves the same server over HTTP on loopback and points the session at it, instead of
    // the in-process call.
    void UseHttpServer();

    // --- The application server's store.
    // IDMODMATRIZFILI of the company's parameters; std::nullopt removes the parameter record.
    void SetIntegrationModes(const std::optional<std::string>& modes);
    // Forgets the remembered file name, so that GetDiretorio answers an empty packet.
    void ForgetRememberedFile();
    // Any statement on the store (to break it on purpose, e.g. drop a table).
    void ExecuteSql(const std::string& sql);
    // The first column of the first row a query on the store answers, as text ("" for none).
    std::string StoreQuery(const std::string& sql);
    // The file name the server remembers for the screen ("" when none).
    std::string RememberedFile();
    // Calls the server directly, not through the screen, and returns the payload of a successful
    // answer (a failure fails the test).
    Variant ServerPayload(const std::string& method, const Variant::Array& args);
    // The demo integration file (inside the server's import root).
    const std::filesystem::path& DemoFile() const { return demoFile_; }
    const std::filesystem::path& Folder() const { return dir_; }

    // --- The user, through Application (each gesture is one dispatched action).
    void PressKey(Word key, TShiftState shift = {});
    void TypeText(const std::string& text);
    void Click(TControl& control);
    void Focus(TWinControl& control);

    // Types the file name and, when the edit takes it, the branch code into the filter panel and
    // leaves the panel for the services grid, as a user does before working on the mappings:
    // the load. LoadDemoFile loads the demo file into the session's own branch,
    // LoadDemoFileIntoDestination into kDestinationBranch.
    void LoadFile(const std::string& fileName, const std::string& branch);
    void LoadDemoFile() { LoadFile(DemoFile().string(), kOwnBranch); }
    void LoadDemoFileIntoDestination() { LoadFile(DemoFile().string(), kDestinationBranch); }

    // Texts of the message boxes shown so far, in order.
    std::vector<std::string> Messages() const { return dialogs_.Texts(); }

    TScriptedDialogs dialogs_;
    ScriptedLookups lookups_;
    CountingBusyIndicator busy_;

private:
    std::string PathOfStore() const { return (dir_ / "empresa.db").string(); }
    void FreeScreens();

    std::filesystem::path startFolder_;
    std::filesystem::path dir_;
    std::filesystem::path demoFile_;
    std::unique_ptr<appserver::ApplicationServer> server_;
    std::unique_ptr<appserver::HttpServer> httpServer_;
    std::unique_ptr<Package> package_;
};

}  // namespace krd52100::testing
