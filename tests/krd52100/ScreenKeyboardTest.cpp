// The screen's own keys, pressed where the user is after opening (in the file-name edit), and
// Escape on the mapping grids after a load.
#include "PairMappingFixture.h"

#include "TApplication.h"
#include "TClientDataSet.h"
#include "TCustomPageControl98.h"
#include "TScreen.h"
#include "TSpeedButton.h"
#include "TTabSheet98.h"

namespace krd52100::testing {
namespace {

class ScreenKeyboardTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        OpenScreen();
        ASSERT_TRUE(ScreenOpen());
    }
};

TEST_F(ScreenKeyboardTest, EscapeClosesTheScreenWhenNothingIsBeingEdited) {
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(ScreenOpen());
    EXPECT_TRUE(Screen->Forms().empty());
}

TEST_F(ScreenKeyboardTest, EscapeLeavesTheScreenOpenWhileARowIsEditedOrInserted) {
    TClientDataSet& table = *Frm().cdsDiretorio;
    for (auto start : {&TDataSet::Edit, &TDataSet::Insert}) {
        (table.*start)();
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(ScreenOpen()) << "closed during state " << table.State();
        table.Cancel();
    }
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(ScreenOpen()) << "once the edit is over Escape closes again";
}

TEST_F(ScreenKeyboardTest, EscapeDoesNothingWhileTheExitButtonIsDisabled) {
    Frm().sbtSair->SetEnabled(false);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(ScreenOpen());
}

struct KeyCase {
    const char* name;
    Word key;
    TShiftState shift;
    int page;    // active page afterwards (from the first one)
    int clicks;  // import button clicks
};

TEST_F(ScreenKeyboardTest, ControlShortcutsMoveBetweenTabsAndImport) {
    TfrmIntegraCardapio& frm = Frm();
    // As after a load, which opens the other two tabs and the import.
    frm.tshDieta->SetEnabled(true);
    frm.tshConfig->SetEnabled(true);
    frm.sbtImportExport->SetEnabled(true);
    int clicks = 0;
    frm.sbtImportExport->OnClick = [&clicks](TComponent*) { ++clicks; };
    const KeyCase cases[] = {
        {"Ctrl+Right", VK_RIGHT, {ssCtrl}, 1, 0},
        {"Ctrl+Left wraps to the last tab", VK_LEFT, {ssCtrl}, 2, 0},
        {"Ctrl+Enter", VK_RETURN, {ssCtrl}, 0, 1},
        {"Right alone", VK_RIGHT, {}, 0, 0},
        {"Enter alone", VK_RETURN, {}, 0, 0},
        {"Ctrl+Shift+Right", VK_RIGHT, {ssCtrl, ssShift}, 0, 0},
        {"Ctrl+Alt+Right", VK_RIGHT, {ssCtrl, ssAlt}, 0, 0},
        {"Ctrl+Shift+Left", VK_LEFT, {ssCtrl, ssShift}, 0, 0},
        {"Ctrl+Alt+Left", VK_LEFT, {ssCtrl, ssAlt}, 0, 0},
        {"Ctrl+Shift+Enter", VK_RETURN, {ssCtrl, ssShift}, 0, 0},
        {"Ctrl+Alt+Enter", VK_RETURN, {ssCtrl, ssAlt}, 0, 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        frm.pgcPadrao->SetActivePage(frm.tshPadrao);
        Application->Focus(*frm.dbgPadrao);  // a tab change takes the focus into the new tab's grid
        clicks = 0;
        PressKey(c.key, c.shift);
        EXPECT_EQ(frm.pgcPadrao->ActivePageIndex(), c.page);
        EXPECT_EQ(clicks, c.clicks);
    }
}

TEST_F(ScreenKeyboardTest, ControlEnterDoesNotImportWhileTheImportButtonIsDisabled) {
    int clicks = 0;
    Frm().sbtImportExport->OnClick = [&clicks](TComponent*) { ++clicks; };
    Frm().sbtImportExport->SetEnabled(false);
    PressKey(VK_RETURN, {ssCtrl});
    EXPECT_EQ(clicks, 0);
}

class MappingGridKeysTest : public PairMappingFixture {
protected:
    struct Grid {
        TTabSheet98* tab;
        TDBGrid* grid;
        const char* column;
    };
    std::vector<Grid> Grids() {
        TfrmIntegraCardapio& frm = Frm();
        return {{frm.tshPadrao, frm.dbgPadrao, "CDSERVFILIDEST"},
                {frm.tshDieta, frm.dbgDieta, "CDDIETDEST"},
                {frm.tshConfig, frm.dbgTipoPrat, "CDTIPODEST"}};
    }
    // Shows the grid's tab and puts the focus on its column; answers its rows.
    TDataSet& WorkOn(const Grid& g) {
        Perform([&] { Frm().pgcPadrao->ClickTab(g.tab); });
        Focus(*g.grid);
        SelectColumn(*g.grid, g.column);
        return *g.grid->DataSet();
    }
};

// A grid acts on Escape's key down, before the screen sees the key: closing a cell editor, or
// cancelling the row whatever the answer to "Cancela operação?", never closes the screen too.
TEST_F(MappingGridKeysTest, EscapeUndoesTheGridsWorkBeforeItClosesTheScreen) {
    for (const Grid& g : Grids()) {
        SCOPED_TRACE(g.column);
        TDataSet& rows = WorkOn(g);
        const std::string before = Value(rows, g.column);
        if (g.grid->Options().Contains(dgEditing)) {
            PressKey(VK_F2);
            PressKey(VK_ESCAPE);
            ASSERT_TRUE(ScreenOpen()) << "Escape on an open editor, nothing typed";
            EXPECT_FALSE(g.grid->EditorMode());
            TypeText("7");
            PressKey(VK_ESCAPE);  // undoes the cell; the row stays in edit
        } else {  // the services grid takes no typing
            Perform([&] { rows.Edit(); Set(rows, g.column, "7"); });
        }
        for (int answer : {mrNo, mrYes}) {
            dialogs_.Answer(answer);
            PressKey(VK_ESCAPE);
            ASSERT_TRUE(ScreenOpen()) << "answered " << answer;
            EXPECT_EQ(rows.State(), answer == mrNo ? dsEdit : dsBrowse);
        }
        EXPECT_EQ(Value(rows, g.column), before);
        EXPECT_EQ(Messages(), std::vector<std::string>(2, "Cancela operação?"));
        EXPECT_EQ(dialogs_.Shown()[0].Type, mtConfirmation);
        dialogs_.Clear();
    }
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(ScreenOpen()) << "with nothing pending Escape closes";
}

// Ctrl+Enter is the screen's import: with Ctrl alone the row stays in edit.
TEST_F(MappingGridKeysTest, EnterPostsTheEditedRowExceptWithCtrlAlone) {
    const std::pair<TShiftState, bool> shifts[] = {
        {{}, true}, {{ssShift}, true}, {{ssCtrl, ssShift}, true}, {{ssCtrl}, false}};
    for (const Grid& g : Grids()) {
        TDataSet& rows = WorkOn(g);
        for (const auto& [shift, posts] : shifts) {
            Perform([&] { rows.Edit(); });
            PressKey(VK_RETURN, shift);
            EXPECT_EQ(rows.State(), posts ? dsBrowse : dsEdit) << g.column;
        }
        dialogs_.Answer(mrYes);
        Perform([&] { rows.Cancel(); });
    }
}

}  // namespace
}  // namespace krd52100::testing
