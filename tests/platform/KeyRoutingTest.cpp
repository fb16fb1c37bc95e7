// Keys from the form to the focused control: key preview, swallowed keys, and what edits,
// masked edits, radio buttons and page controls do with them.
#include "MsgDlg.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TMaskEdit.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TRadioButton.h"
#include "TTabSheet.h"
#include "UiFixture.h"

namespace {

using Trace = std::vector<std::string>;

class KeyRouting : public UiTest {
protected:
    KeyRouting() {
        edit.SetParent(&form);
        other.SetParent(&form);
        form.Show();
        Application->Focus(edit);
    }

    void TraceKeys(bool preview) {
        form.KeyPreview = preview;
        form.OnKeyDown = [this](TComponent*, Word& key, TShiftState) {
            trace.push_back("form.KeyDown");
            if (swallowAtForm) key = 0;
        };
        form.OnKeyPress = [this](TComponent*, char& key) {
            trace.push_back("form.KeyPress");
            if (swallowAtForm) key = '\0';
        };
        form.OnKeyUp = [this](TComponent*, Word&, TShiftState) { trace.push_back("form.KeyUp"); };
        edit.OnKeyDown = [this](TComponent*, Word&, TShiftState) { trace.push_back("edit.KeyDown"); };
        edit.OnKeyPress = [this](TComponent*, char&) { trace.push_back("edit.KeyPress"); };
        edit.OnKeyUp = [this](TComponent*, Word&, TShiftState) { trace.push_back("edit.KeyUp"); };
    }

    TEdit edit{&form};
    TEdit other{&form};
    bool swallowAtForm = false;
};

TEST_F(KeyRouting, PreviewRunsTheFormBeforeTheControlAtEachStage) {
    TraceKeys(true);
    Application->TypeText("a");
    EXPECT_EQ(trace, (Trace{"form.KeyDown", "edit.KeyDown", "form.KeyPress", "edit.KeyPress", "form.KeyUp",
                            "edit.KeyUp"}));
    EXPECT_EQ(edit.Text(), "a");
}

TEST_F(KeyRouting, ABoxTheKeyDownOpensTakesTheKeysCharacter) {
    TraceKeys(true);
    edit.OnKeyDown = [this](TComponent*, Word& key, TShiftState) {
        trace.push_back("edit.KeyDown");
        if (key == VK_ESCAPE) MessageDlg("Cancela operação?", mtConfirmation, {mbYes, mbNo}, 0);
    };
    dialogs.Answer(mrYes);
    Application->PressKey(VK_ESCAPE);
    EXPECT_EQ(trace, (Trace{"form.KeyDown", "edit.KeyDown", "form.KeyUp", "edit.KeyUp"}));
    EXPECT_EQ(dialogs.Texts().size(), 1u);
}

TEST_F(KeyRouting, WithoutPreviewTheFormHearsNothing) {
    TraceKeys(false);
    Application->TypeText("a");
    EXPECT_EQ(trace, (Trace{"edit.KeyDown", "edit.KeyPress", "edit.KeyUp"}));
}

TEST_F(KeyRouting, FormSwallowingTheKeyStopsEachStageButNotTheNext) {
    TraceKeys(true);
    swallowAtForm = true;
    Application->TypeText("a");
    // A swallowed key down still types its character (it is a message of its own), which the
    // form swallows too; the key up comes anyway.
    EXPECT_EQ(trace, (Trace{"form.KeyDown", "form.KeyPress", "form.KeyUp", "edit.KeyUp"}));
    EXPECT_EQ(edit.Text(), "");
}

TEST_F(KeyRouting, EnterKeyDownSwallowedStillDeliversItsCharacter) {
    std::vector<int> characters;
    edit.OnKeyDown = [](TComponent*, Word& key, TShiftState) { key = 0; };
    edit.OnKeyPress = [&](TComponent*, char& key) { characters.push_back(key); };
    Application->PressKey(VK_RETURN);
    Application->PressKey(VK_RETURN, {ssCtrl});
    Application->PressKey(VK_ESCAPE);
    EXPECT_EQ(characters, (std::vector<int>{'\r', '\n', 27}));
}

TEST_F(KeyRouting, EnteringAnEditSelectsItsTextSoTypingReplacesIt) {
    other.SetText("0001");
    int changes = 0;
    other.OnChange = [&](TComponent*) { ++changes; };
    Application->PressKey(VK_TAB);
    ASSERT_EQ(form.ActiveControl(), &other);
    Application->TypeText("12");
    EXPECT_EQ(other.Text(), "12");
    Application->PressKey(VK_LEFT);
    Application->PressKey(VK_BACK);
    Application->TypeText("ção");
    EXPECT_EQ(other.Text(), "ção2");
    EXPECT_EQ(changes, 6);
}

TEST_F(KeyRouting, ShiftWithCaretKeysAndCtrlASelectSoTypingReplaces) {
    edit.SetText("0001/2025");
    const struct {
        const char* name;
        std::vector<std::pair<Word, TShiftState>> keys;
        const char* selected;
    } cases[] = {
        {"Shift+End from the start", {{VK_HOME, {}}, {VK_END, {ssShift}}}, "0001/2025"},
        {"Shift+Left keeps the right end", {{VK_END, {}}, {VK_LEFT, {ssShift}}, {VK_LEFT, {ssShift}}}, "25"},
        {"Shift+Right back over a left selection", {{VK_END, {}}, {VK_HOME, {ssShift}}, {VK_RIGHT, {ssShift}}},
         "001/2025"},
        {"Ctrl+A", {{VK_HOME, {}}, {'A', {ssCtrl}}}, "0001/2025"},
    };
    for (const auto& c : cases) {
        for (auto [key, shift] : c.keys) Application->PressKey(key, shift);
        EXPECT_EQ(edit.SelText(), c.selected) << c.name;
    }
    Application->TypeText("7");
    EXPECT_EQ(edit.Text(), "7");
}

TEST_F(KeyRouting, MaxLengthRefusesFurtherTypingButNotAssignment) {
    edit.MaxLength = 3;
    Application->TypeText("abcd");
    EXPECT_EQ(edit.Text(), "abc");
    edit.SetText("longer text");
    EXPECT_EQ(edit.Text(), "longer text");
}

TEST_F(KeyRouting, ReadOnlyEditRefusesTyping) {
    edit.SetReadOnly(true);
    Application->TypeText("x");
    Application->PressKey(VK_DELETE);
    EXPECT_EQ(edit.Text(), "");
}

struct MaskCase {
    const char* name;
    const char* typed;
    const char* text;
};

class BranchCodeMask : public KeyRouting, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(BranchCodeMask, AcceptsOnlyUpToFourDigits) {
    TMaskEdit code(&form);
    code.SetParent(&form);
    code.SetEditMask("9999;0; ");
    Application->Focus(code);
    Application->TypeText(GetParam().typed);
    EXPECT_EQ(code.Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Typing, BranchCodeMask,
                         ::testing::Values(MaskCase{"FourDigits", "0001", "0001"},
                                           MaskCase{"FifthDigitRefused", "12345", "1234"},
                                           MaskCase{"NonDigitsRefused", "1a2-3 ", "123"},
                                           MaskCase{"AccentedLettersRefused", "ção7", "7"},
                                           MaskCase{"Nothing", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyRouting, MaskWithLiteralsIsRefused) {
    TMaskEdit date(&form);
    EXPECT_THROW(date.SetEditMask("!99/99/9999;1;_"), EInvalidOperation);
}

TEST_F(KeyRouting, CheckingARadioButtonUnchecksItsSiblingsOnly) {
    TGroupBox group(&form), otherGroup(&form);
    group.SetParent(&form);
    otherGroup.SetParent(&form);
    TRadioButton overwrite(&form), append(&form), elsewhere(&form);
    overwrite.SetParent(&group);
    append.SetParent(&group);
    elsewhere.SetParent(&otherGroup);
    overwrite.SetChecked(true);
    elsewhere.SetChecked(true);
    int clicks = 0;
    append.OnClick = [&](TComponent*) { ++clicks; };
    Application->Click(append);
    Application->Click(append);
    EXPECT_TRUE(append.Checked());
    EXPECT_FALSE(overwrite.Checked());
    EXPECT_TRUE(elsewhere.Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.ActiveControl(), &append);
}

class Pages : public UiTest {
protected:
    Pages() {
        pages.SetParent(&form);
        for (TTabSheet* sheet : {&services, &diets, &config}) sheet->SetPageControl(&pages);
        field.SetParent(&services);
        pages.OnChanging = [this](TComponent*, bool& allow) {
            trace.push_back("Changing");
            allow = allowChange;
        };
        pages.OnChange = [this](TComponent*) { trace.push_back("Change"); };
        form.Show();
    }

    TPageControl pages{&form};
    TTabSheet services{&form}, diets{&form}, config{&form};
    TEdit field{&form};
    bool allowChange = true;
};

TEST_F(Pages, UserChangesAskFirstAndSkipLockedTabs) {
    diets.SetEnabled(false);
    Application->Perform([&] { pages.SelectNextPage(true); });
    EXPECT_EQ(pages.ActivePage(), &config);
    Application->Perform([&] { pages.SelectNextPage(true); });
    EXPECT_EQ(pages.ActivePage(), &services);
    Application->Perform([&] { pages.ClickTab(&diets); });
    EXPECT_EQ(pages.ActivePage(), &services);
    EXPECT_EQ(trace, (Trace{"Changing", "Change", "Changing", "Change"}));

    allowChange = false;
    Application->Perform([&] { pages.SelectNextPage(false); });
    EXPECT_EQ(pages.ActivePage(), &services);
}

TEST_F(Pages, CodeChangesFireNoEventsAndHidePagesWithTheirControls) {
    pages.SetActivePage(&config);
    EXPECT_TRUE(trace.empty());
    EXPECT_FALSE(field.CanFocus());
    EXPECT_TRUE(config.Visible());
    EXPECT_FALSE(services.Visible());
}

TEST_F(Pages, SelectNextPageTakesTheFocusToTheNewPagesOwnFirstControl) {
    TEdit dietGrid{&form}, date{&form}, dishTypeGrid{&form};
    TPanel dates{&form};
    dietGrid.SetParent(&diets);
    dates.SetParent(&config);
    date.SetParent(&dates);
    dishTypeGrid.SetParent(&config);
    Application->Focus(field);
    Application->Perform([&] { pages.SelectNextPage(true); });
    EXPECT_EQ(form.ActiveControl(), &dietGrid);
    Application->Perform([&] { pages.SelectNextPage(true); });
    EXPECT_EQ(form.ActiveControl(), &dishTypeGrid) << "not through the panel of dates";
}

TEST_F(Pages, LeavingThePageWithTheFocusMovesItToThePageControl) {
    Application->Focus(field);
    Application->Perform([&] { pages.ClickTab(&config); });
    EXPECT_EQ(form.ActiveControl(), &pages);
    Application->PressKey(VK_LEFT);
    EXPECT_EQ(pages.ActivePage(), &diets);
}

} // namespace
