// Opening the screen as the host does: the branch-mode rule, the defaults of the first
// activation, a second opening, reopening after a close, and failures of the server at creation.
#include "ScreenFixture.h"

#include "module/PackageUnits.h"

#include "DateTime.h"
#include "Session.h"
#include "TBtnPesquisa.h"
#include "TClientDataSet.h"
#include "TDateEditPlus.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TNetConnection.h"
#include "TScreen.h"
#include "TSpeedButton.h"

namespace krd52100::testing {
namespace {

const std::string kBlockedForBranch = "Importação de cardápio bloqueada para o modo filial. ";
const std::string kBlockedForHeadOffice = "Importação de cardápio bloqueada para o modo matriz.";

class ScreenOpeningTest : public ScreenFixture {};

struct ModeCase {
    std::optional<std::string> modes;  // IDMODMATRIZFILI; nullopt: no parameter record
    bool branchMode;
    std::string message;  // "" when the screen opens
};

TEST_F(ScreenOpeningTest, IntegrationModesDecideWhetherTheScreenOpens) {
    const ModeCase cases[] = {
        {"F", true, ""},
        {"F", false, kBlockedForHeadOffice},
        {"M", true, kBlockedForBranch},
        {"M", false, ""},
        {"T", true, ""},
        {"T", false, ""},
        {"t", true, kBlockedForBranch},  // exact, case-sensitive comparison
        {"X", false, kBlockedForHeadOffice},
        {"", true, kBlockedForBranch},
        {std::nullopt, true, kBlockedForBranch},
        {std::nullopt, false, kBlockedForHeadOffice},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE("IDMODMATRIZFILI " + c.modes.value_or("(no record)") + (c.branchMode ? ", branch" : ", head office"));
        dialogs_.Clear();
        SetIntegrationModes(c.modes);
        UseBranchMode(c.branchMode);
        OpenScreen();
        EXPECT_EQ(Screen->Cursor, crDefault) << "the hourglass is put back however the opening ends";
        if (c.message.empty()) {
            EXPECT_TRUE(Messages().empty());
            ASSERT_TRUE(ScreenOpen());
            EXPECT_TRUE(Frm().boLiberado);
            EXPECT_TRUE(Frm().Visible());
            EXPECT_TRUE(Frm().cdsDietaDest->Active()) << "registers are created with an allowed screen";
            CloseScreen();
        } else {
            // Shown once, then the screen closed itself and was freed.
            EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
            EXPECT_FALSE(ScreenOpen());
            EXPECT_TRUE(Screen->Forms().empty());
        }
    }
}

TEST_F(ScreenOpeningTest, BlockedScreenShowsItsMessageAtEveryOpening) {
    SetIntegrationModes("M");
    UseBranchMode(true);
    OpenScreen();
    OpenScreen();
    EXPECT_EQ(Messages(), (std::vector<std::string>{kBlockedForBranch, kBlockedForBranch}));
    EXPECT_FALSE(ScreenOpen());
}

TEST_F(ScreenOpeningTest, FirstActivationFillsTheDefaults) {
    OpenScreen();
    TfrmIntegraCardapio& frm = Frm();
    EXPECT_EQ(frm.Caption(), "Integração de Cardápios - Importação");
    EXPECT_EQ(frm.medNmArquivo->Text(), DemoFile().string());
    EXPECT_EQ(frm.medCdFilial->Text(), kOwnBranch);
    EXPECT_EQ(frm.edtNmFilial->Text(), kOwnBranchName);
    EXPECT_EQ(frm.lblServAtual->Caption(), "");
    EXPECT_EQ(frm.depDestino->Date(), Date());
    EXPECT_FALSE(frm.boPrimAtivacao);
    EXPECT_TRUE(frm.netIntegraCardapio->Connected());
    EXPECT_EQ(frm.netIntegraCardapio->Host, WebURL());
    EXPECT_EQ(frm.netIntegraCardapio->Port, WebPort());
    EXPECT_EQ(frm.sbtImportExport->Glyph().Pixel(8, 11), frm.ImportPicture().Pixel(8, 11));
    EXPECT_NE(frm.ImportPicture().Pixel(8, 11), frm.ExportPicture().Pixel(8, 11));
}

TEST_F(ScreenOpeningTest, BranchControlsFollowTheHostMode) {
    for (bool branchMode : {true, false}) {
        SCOPED_TRACE(branchMode ? "branch mode" : "head-office mode");
        UseBranchMode(branchMode);
        OpenScreen();
        TfrmIntegraCardapio& frm = Frm();
        EXPECT_EQ(frm.lblFilial->Enabled(), !branchMode);
        EXPECT_EQ(frm.medCdFilial->Enabled(), !branchMode);
        EXPECT_EQ(frm.sbtFilial->Enabled(), !branchMode);
        EXPECT_EQ(frm.medCdFilial->Text(), kOwnBranch);
        CloseScreen();
    }
}

TEST_F(ScreenOpeningTest, SecondOpeningRestoresTheOpenScreenAndKeepsWhatWasTyped) {
    OpenScreen();
    TfrmIntegraCardapio* first = &Frm();
    first->medCdFilial->SetText("0003");
    first->medNmArquivo->SetText("outro.txt");
    first->SetWindowState(wsMinimized);

    OpenScreen();
    EXPECT_EQ(&Frm(), first);
    EXPECT_EQ(Screen->Forms().size(), 1u);
    EXPECT_EQ(first->WindowState(), wsNormal);
    EXPECT_TRUE(first->Active());
    EXPECT_EQ(first->medCdFilial->Text(), "0003");
    EXPECT_EQ(first->medNmArquivo->Text(), "outro.txt");
}

TEST_F(ScreenOpeningTest, ReopeningAfterCloseMakesANewConnectedScreenWithFreshDefaults) {
    OpenScreen();
    Frm().medNmArquivo->SetText("outro.txt");
    Frm().medCdFilial->SetText("0003");
    CloseScreen();
    EXPECT_FALSE(ScreenOpen());
    EXPECT_TRUE(Screen->Forms().empty()) << "a closed screen is freed";

    OpenScreen();
    ASSERT_TRUE(ScreenOpen());
    EXPECT_EQ(Screen->Forms().size(), 1u);
    EXPECT_TRUE(Frm().netIntegraCardapio->Connected());
    EXPECT_EQ(Frm().medNmArquivo->Text(), DemoFile().string());
    EXPECT_EQ(Frm().medCdFilial->Text(), kOwnBranch);
}

TEST_F(ScreenOpeningTest, EmptyDirectoryPacketLeavesTheFileNameEmpty) {
    ForgetRememberedFile();
    OpenScreen();
    ASSERT_TRUE(ScreenOpen());
    EXPECT_TRUE(Frm().cdsDiretorio->IsEmpty());
    EXPECT_EQ(Frm().medNmArquivo->Text(), "");
    EXPECT_TRUE(Messages().empty());
}

// A failed server call (GetDiretorio, GetParamIntegra) ends the creation: the server's message
// once, no mode message after it, and the screen closed itself when shown.
TEST_F(ScreenOpeningTest, FailingServerCallAtCreationShowsTheServersMessageOnceAndCloses) {
    for (const std::string table : {"DIRETORIO", "PARAMINTEGRACAO"}) {
        SCOPED_TRACE(table);
        dialogs_.Clear();
        ExecuteSql("ALTER TABLE " + table + " RENAME TO FORA");
        OpenScreen();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_NE(Messages()[0], kBlockedForHeadOffice);
        EXPECT_FALSE(ScreenOpen());
        EXPECT_TRUE(Screen->Forms().empty());
        ExecuteSql("ALTER TABLE FORA RENAME TO " + table);
    }
}

TEST_F(ScreenOpeningTest, OpensOverHttpWithTheSessionsServerAddress) {
    UseHttpServer();
    OpenScreen();
    ASSERT_TRUE(ScreenOpen());
    EXPECT_EQ(Frm().netIntegraCardapio->Host, "127.0.0.1");
    EXPECT_EQ(Frm().netIntegraCardapio->Port, WebPort());
    EXPECT_EQ(Frm().medNmArquivo->Text(), DemoFile().string());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ScreenOpeningTest, ModuleInitializationClearsTheScreenFlag) {
    boIdCriado() = true;
    Module().Routine("Initialize")();
    EXPECT_FALSE(boIdCriado());
}

TEST_F(ScreenOpeningTest, UnitTableListsTheModulesOwnUnitLast) {
    using GetTable = const PackageInfoTable* (*)();
    const PackageInfoTable* table = reinterpret_cast<GetTable>(Module().Symbol("GetPackageInfoTable"))();
    ASSERT_GT(table->UnitCount, 0);
    const PackageUnitInfo& own = table->Units[table->UnitCount - 1];
    EXPECT_STREQ(own.Name, "KRD52100");
    ASSERT_NE(own.Initialization, nullptr);
    boIdCriado() = true;
    own.Initialization();
    EXPECT_FALSE(boIdCriado()) << "the last unit's initialization is the module's own";
}

}  // namespace
}  // namespace krd52100::testing
