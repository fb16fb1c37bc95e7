#pragma once
// A host around one screen module, for tests: the built module library loaded through the host's
// package loader, the real application server in process on a temporary demo company (which is
// also the host's general database, so the branch queries see the same FILIAL table), a
// logged-in session, scripted message boxes and lookup lists, and a counting busy indicator.
// Each module's own fixture derives from it and names its screen (ScreenForm).
//
// Every test ends with these checks (TearDown): the busy indicator was stopped as often as it
// was started, and every scripted dialog answer was used. The screen is closed and freed and the
// module unloaded after each test, so each test starts with a freshly loaded module.
#include "ApplicationServer.h"
#include "CountingBusyIndicator.h"
#include "DemoCompany.h"
#include "HttpServer.h"
#include "Keys.h"
#include "Package.h"
#include "ScriptedLookups.h"
#include "TScriptedDialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class TControl;
class TForm;
class TWinControl;

namespace screens::testing {

class ModuleFixture : public ::testing::Test {
protected:
    // The session's own branch: the head office of the demo company.
    static constexpr const char* kOwnBranch = appserver::DemoCompany::kHeadOffice;
    static constexpr const char* kOwnBranchName = "Matriz - São Paulo";
    static constexpr const char* kOperator = "OPER";

    explicit ModuleFixture(std::string modulePath) : modulePath_(std::move(modulePath)) {}
    void SetUp() override;
    void TearDown() override;

    // --- The module, as the host reaches it.
    // Calls IniProc inside one user action, as the host's menu does.
    void OpenScreen();
    bool ScreenOpen() { return boIdCriado(); }
    // Closes the screen as the host closing its window does (one user action).
    void CloseScreen();
    bool& boIdCriado() { return package_->Variable<bool>("boIdCriado"); }
    Package& Module() { return *package_; }
    // The module's open screen.
    virtual TForm& ScreenForm() = 0;

    // --- The session (set before opening the screen).
    void UseBranchMode(bool branchMode);
    // Serves the same server over HTTP on loopback and points the session at it, instead of
    // the in-process call.
    void UseHttpServer();

    // --- The application server's store.
    // Any statement on the store (to break it on purpose, e.g. drop a table).
    void ExecuteSql(const std::string& sql);
    // The first column of the first row a query on the store answers, as text ("" for none).
    std::string StoreQuery(const std::string& sql);
    // Calls the server directly, not through the screen, and returns the payload of a successful
    // answer (a failure fails the test).
    Variant ServerPayload(const std::string& method, const Variant::Array& args);
    // The demo integration file (inside the server's import root).
    const std::filesystem::path& DemoFile() const { return demoFile_; }
    const std::filesystem::path& Folder() const { return dir_; }
    std::string PathOfStore() const { return (dir_ / "empresa.db").string(); }

    // --- The user, through Application (each gesture is one dispatched action).
    void PressKey(Word key, TShiftState shift = {});
    void TypeText(const std::string& text);
    void Click(TControl& control);
    void Focus(TWinControl& control);

    // Texts of the message boxes shown so far, in order.
    std::vector<std::string> Messages() const { return dialogs_.Texts(); }

    TScriptedDialogs dialogs_;
    ScriptedLookups lookups_;
    CountingBusyIndicator busy_;

private:
    void FreeScreens();

    std::string modulePath_;
    std::filesystem::path startFolder_;
    std::filesystem::path dir_;
    std::filesystem::path demoFile_;
    std::unique_ptr<appserver::ApplicationServer> server_;
    std::unique_ptr<appserver::HttpServer> httpServer_;
    std::unique_ptr<Package> package_;
};

}  // namespace screens::testing
