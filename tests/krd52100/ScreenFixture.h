#pragma once
// The import screen's host for tests (the module fixture, ModuleFixture.h, with KRD52100): the
// screen and the module's variables by their types, the store's integration parameters and
// remembered file, and the load as a user makes it.
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
#include "screen/TfrmIntegraCardapio.h"

#include "ModuleFixture.h"

#include <optional>

namespace krd52100::testing {

class ScreenFixture : public screens::testing::ModuleFixture {
protected:
    // A branch that registers every service, diet and dish type of the demo under codes of its
    // own (and its names in capitals): loaded into it, origin and destination never look alike.
    static constexpr const char* kDestinationBranch = "0003";

    ScreenFixture() : ModuleFixture(KRD52100_MODULE_PATH) {}

    // The screen last created (the module's frmIntegraCardapio); fails the test when no screen
    // is open.
    TfrmIntegraCardapio& Frm();
    TForm& ScreenForm() override { return Frm(); }
    bool& boImporta() { return Module().Variable<bool>("boImporta"); }
    bool& boPrimVez() { return Module().Variable<bool>("boPrimVez"); }
    TfrmIntegraCardapio*& frmIntegraCardapio() { return Module().Variable<TfrmIntegraCardapio*>("frmIntegraCardapio"); }

    // IDMODMATRIZFILI of the company's parameters; std::nullopt removes the parameter record.
    void SetIntegrationModes(const std::optional<std::string>& modes);
    // Forgets the remembered file name, so that GetDiretorio answers an empty packet.
    void ForgetRememberedFile();
    // The file name the server remembers for the screen ("" when none).
    std::string RememberedFile();

    // Types the file name and, when the edit takes it, the branch code into the filter panel and
    // leaves the panel for the services grid, as a user does before working on the mappings:
    // the load. LoadDemoFile loads the demo file into the session's own branch,
    // LoadDemoFileIntoDestination into kDestinationBranch.
    void LoadFile(const std::string& fileName, const std::string& branch);
    void LoadDemoFile() { LoadFile(DemoFile().string(), kOwnBranch); }
    void LoadDemoFileIntoDestination() { LoadFile(DemoFile().string(), kDestinationBranch); }
};

}  // namespace krd52100::testing
