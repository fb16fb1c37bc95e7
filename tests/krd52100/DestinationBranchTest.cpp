// The destination branch in the filter panel: its refusals when the panel is left, the stored
// form of a short code, the lookup list, and a client in branch mode.
#include "ScreenFixture.h"

#include "Session.h"
#include "TBtnPesquisa.h"
#include "TClientDataSet.h"
#include "TEdit.h"
#include "TMaskEdit.h"
#include "TTabSheet98.h"

namespace krd52100::testing {
namespace {

const std::string kRescinded = "Filial com contrato rescindido.";

class DestinationBranchTest : public ScreenFixture {
protected:
    // The user clears the branch code and types another.
    void TypeBranch(const std::string& code) {
        Focus(*Frm().medCdFilial);
        Frm().medCdFilial->SelectAll();
        PressKey(VK_DELETE);
        TypeText(code);
    }
    void LeavePanel() { Focus(*Frm().dbgPadrao); }
    bool Loaded() { return Frm().cdsServicos->Active(); }
};

TEST_F(DestinationBranchTest, EachRefusalComesInItsOrderWithTheFocusBackOnTheCode) {
    OpenScreen();
    struct Case {
        const char* what;
        std::string typed;
        std::string stored;
        std::string message;
    };
    const Case cases[] = {
        {"nothing typed", "", "", "Filial deve ser informada."},
        {"unknown code, stored form first", "9", "0009", "Filial não cadastrada."},
        {"rescinded contract", "4", "0004", kRescinded},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs_.Clear();
        lookups_.ChooseWhere("CDFILIAL", "0003");  // a branch whose name shows
        Click(*Frm().sbtFilial);
        TypeBranch(c.typed);
        LeavePanel();
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(Frm().medCdFilial->Text(), c.stored);
        EXPECT_EQ(Frm().ActiveControl(), Frm().medCdFilial);
        EXPECT_EQ(Frm().edtNmFilial->Text(), "") << "no other branch's name beside a refused code";
        EXPECT_FALSE(Loaded());
        EXPECT_FALSE(Frm().tshDieta->Enabled());
    }
}

TEST_F(DestinationBranchTest, FileIsCheckedBeforeTheBranch) {
    OpenScreen();
    TypeBranch("");
    Focus(*Frm().medNmArquivo);
    Frm().medNmArquivo->SelectAll();
    PressKey(VK_DELETE);
    LeavePanel();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Arquivo origem deve ser informado."});
    EXPECT_EQ(Frm().ActiveControl(), Frm().medNmArquivo);
}

TEST_F(DestinationBranchTest, ShortCodeIsStoredInFourCharactersAndNamesTheBranch) {
    OpenScreen();
    TypeBranch("3");
    LeavePanel();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Frm().medCdFilial->Text(), "0003");
    EXPECT_EQ(Frm().edtNmFilial->Text(), "Indústria Açucareira Ribeirão Preto");
    EXPECT_TRUE(Loaded());
}

TEST_F(DestinationBranchTest, LookupListsEveryBranchAndTheRescindedOneIsRefusedOnLeaving) {
    OpenScreen();
    lookups_.ChooseWhere("CDFILIAL", "0004");
    Click(*Frm().sbtFilial);
    ASSERT_EQ(lookups_.Shown().size(), 1u);
    EXPECT_EQ(lookups_.Shown()[0].Title, "Filial");
    EXPECT_EQ(lookups_.Shown()[0].Rows, 4);
    EXPECT_EQ(Frm().medCdFilial->Text(), "0004");
    EXPECT_EQ(Frm().edtNmFilial->Text(), "Refeitório Conceição - Santos");
    EXPECT_TRUE(Messages().empty());

    LeavePanel();
    EXPECT_EQ(Messages(), std::vector<std::string>{kRescinded});
    EXPECT_FALSE(Loaded());
}

// In branch mode the code cannot be edited: the own branch is loaded into, or refused with the
// refusal as the only message (the focus cannot go back to the code, and no error says so).
TEST_F(DestinationBranchTest, BranchModeValidatesAndLoadsTheOwnBranchWithItsCodeLocked) {
    UseBranchMode(true);
    const std::pair<const char*, const char*> branches[] = {{"0004", "Refeitório Conceição - Santos"},
                                                            {"0003", "Indústria Açucareira Ribeirão Preto"}};
    for (const auto& [code, name] : branches) {
        SCOPED_TRACE(code);
        dialogs_.Clear();
        Session::Current().BranchCode = code;
        Session::Current().BranchName = name;
        OpenScreen();
        LeavePanel();
        const bool rescinded = std::string(code) == "0004";
        EXPECT_EQ(Messages(), rescinded ? std::vector<std::string>{kRescinded} : std::vector<std::string>{});
        EXPECT_EQ(Loaded(), !rescinded);
        EXPECT_FALSE(Frm().medCdFilial->Enabled());
        EXPECT_FALSE(Frm().sbtFilial->Enabled());
        EXPECT_FALSE(Frm().edtNmFilial->Enabled());
        EXPECT_TRUE(Frm().medNmArquivo->Enabled());
        CloseScreen();
    }
}

}  // namespace
}  // namespace krd52100::testing
