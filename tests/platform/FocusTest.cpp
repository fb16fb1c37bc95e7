// The focus model: exit and enter handlers across nested containers, handlers that abort or
// move the focus themselves, tab order, and controls that never take the focus.
#include "TEdit.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "UiFixture.h"

namespace {

using Trace = std::vector<std::string>;

// form
//   panel1: edit1, edit2
//   panel2: panel3: edit3
//   edit4
class Focus : public UiTest {
protected:
    Focus() {
        panel1.SetParent(&form);
        edit1.SetParent(&panel1);
        edit2.SetParent(&panel1);
        panel2.SetParent(&form);
        panel3.SetParent(&panel2);
        edit3.SetParent(&panel3);
        edit4.SetParent(&form);
        for (auto [control, name] : {std::pair<TWinControl*, const char*>{&panel1, "panel1"}, {&edit1, "edit1"},
                                     {&edit2, "edit2"}, {&panel2, "panel2"}, {&panel3, "panel3"},
                                     {&edit3, "edit3"}, {&edit4, "edit4"}})
            TraceFocus(*control, name);
        form.Show();
        trace.clear();
    }

    TPanel panel1{&form}, panel2{&form}, panel3{&form};
    TEdit edit1{&form}, edit2{&form}, edit3{&form}, edit4{&form};
};

TEST_F(Focus, ShowingTheFormEntersTheFirstControlInTabOrderThroughItsContainer) {
    TForm other(nullptr);
    TPanel panel(&other);
    panel.SetParent(&other);
    TEdit edit(&other);
    edit.SetParent(&panel);
    TraceFocus(panel, "panel");
    TraceFocus(edit, "edit");
    other.Show();
    EXPECT_EQ(trace, (Trace{"panel.Enter", "edit.Enter"}));
    EXPECT_EQ(other.ActiveControl(), &edit);
}

struct MoveCase {
    const char* name;
    int from, to;  // indices into {edit1, edit2, edit3, edit4}
    Trace expected;
};

class FocusMove : public Focus, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(FocusMove, ExitsInnermostFirstThenEntersOutermostFirst) {
    TEdit* edits[] = {&edit1, &edit2, &edit3, &edit4};
    Application->Focus(*edits[GetParam().from]);
    trace.clear();
    Application->Focus(*edits[GetParam().to]);
    EXPECT_EQ(trace, GetParam().expected);
    EXPECT_EQ(form.ActiveControl(), edits[GetParam().to]);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, FocusMove,
    ::testing::Values(MoveCase{"SamePanel", 0, 1, {"edit1.Exit", "edit2.Enter"}},
                      MoveCase{"PanelToNestedPanel",
                               0,
                               2,
                               {"edit1.Exit", "panel1.Exit", "panel2.Enter", "panel3.Enter", "edit3.Enter"}},
                      MoveCase{"NestedPanelToForm", 2, 3, {"edit3.Exit", "panel3.Exit", "panel2.Exit", "edit4.Enter"}},
                      MoveCase{"FormToPanel", 3, 0, {"edit4.Exit", "panel1.Enter", "edit1.Enter"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Focus, ActiveControlIsTheTargetBeforeTheFirstExitHandlerRuns) {
    TWinControl* seen = nullptr;
    edit1.OnExit = [&](TComponent*) { seen = form.ActiveControl(); };
    Application->Focus(edit1);
    Application->Focus(edit3);
    EXPECT_EQ(seen, &edit3);
}

TEST_F(Focus, AbortingExitHandlerStopsTheSequenceSilentlyWithoutRollingBack) {
    Application->Focus(edit1);
    panel1.OnExit = [&](TComponent*) {
        trace.push_back("panel1.Exit");
        Abort();
    };
    trace.clear();
    Application->Focus(edit3);
    EXPECT_EQ(trace, (Trace{"edit1.Exit", "panel1.Exit"}));
    EXPECT_EQ(form.ActiveControl(), &edit3);
    EXPECT_TRUE(dialogs.Shown().empty());

    // The containers of edit3 were never entered, so the next move leaves nothing of them.
    trace.clear();
    Application->Focus(edit4);
    EXPECT_EQ(trace, (Trace{"edit4.Enter"}));
}

TEST_F(Focus, ValidatorThatRefocusesItsEditAndAbortsKeepsTheUserThere) {
    Application->Focus(edit1);
    panel1.OnExit = [&](TComponent*) {
        trace.push_back("panel1.Exit");
        edit1.SetFocus();
        Abort();
    };
    trace.clear();
    Application->Focus(edit3);
    EXPECT_EQ(trace, (Trace{"edit1.Exit", "panel1.Exit", "panel1.Enter", "edit1.Enter"}));
    EXPECT_EQ(form.ActiveControl(), &edit1);
}

TEST_F(Focus, HandlerMovingTheFocusEndsTheOuterSequence) {
    Application->Focus(edit1);
    edit1.OnExit = [&](TComponent*) {
        trace.push_back("edit1.Exit");
        edit4.SetFocus();
    };
    trace.clear();
    Application->Focus(edit3);
    EXPECT_EQ(trace, (Trace{"edit1.Exit", "panel1.Exit", "edit4.Enter"}));
    EXPECT_EQ(form.ActiveControl(), &edit4);
}

TEST_F(Focus, ErrorInAnEnterHandlerIsShownOnceAndFocusStaysOnTheTarget) {
    Application->Focus(edit1);
    panel2.OnEnter = [](TComponent*) { throw EConvertError("'x' is not a valid integer value"); };
    trace.clear();
    Application->Focus(edit3);
    EXPECT_EQ(trace, (Trace{"edit1.Exit", "panel1.Exit"}));
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].Text, "'x' is not a valid integer value.");
    EXPECT_EQ(dialogs.Shown()[0].Type, mtError);
    EXPECT_EQ(form.ActiveControl(), &edit3);
}

TEST_F(Focus, ClearingActiveControlLeavesEveryContainer) {
    Application->Focus(edit3);
    trace.clear();
    Application->Perform([&] { form.SetActiveControl(nullptr); });
    EXPECT_EQ(trace, (Trace{"edit3.Exit", "panel3.Exit", "panel2.Exit"}));
}

TEST_F(Focus, TabFollowsTabOrderSkippingWhatCannotTakeTheFocus) {
    edit2.SetEnabled(false);
    Application->Focus(edit1);
    std::vector<TWinControl*> visited;
    for (int i = 0; i < 3; ++i) {
        Application->PressKey(VK_TAB);
        visited.push_back(form.ActiveControl());
    }
    EXPECT_EQ(visited, (std::vector<TWinControl*>{&edit3, &edit4, &edit1}));
    Application->PressKey(VK_TAB, {ssShift});
    EXPECT_EQ(form.ActiveControl(), &edit4);

    panel3.SetVisible(false);
    edit4.SetTabOrder(0);  // now before panel1 on the form
    Application->Focus(edit1);
    Application->PressKey(VK_TAB);
    EXPECT_EQ(form.ActiveControl(), &edit4);
}

TEST_F(Focus, TabThatMovesTheFocusReachesNoKeyHandler) {
    int keyDowns = 0;
    edit1.OnKeyDown = [&](TComponent*, Word&, TShiftState) { ++keyDowns; };
    form.KeyPreview = true;
    form.OnKeyDown = [&](TComponent*, Word&, TShiftState) { ++keyDowns; };
    Application->Focus(edit1);
    Application->PressKey(VK_TAB);
    EXPECT_EQ(keyDowns, 0);
    EXPECT_EQ(form.ActiveControl(), &edit2);
}

TEST_F(Focus, DisabledControlCannotTakeTheFocus) {
    Application->Focus(edit1);
    panel2.SetEnabled(false);
    Application->Focus(edit3);
    EXPECT_EQ(form.ActiveControl(), &edit1);
    ASSERT_EQ(dialogs.Texts(), (Trace{"Cannot focus a disabled or invisible window."}));
    EXPECT_THROW(edit3.SetFocus(), EInvalidOperation);
}

TEST_F(Focus, FocusingAControlOfAHiddenFormRaises) {
    TForm hidden(nullptr);
    TEdit edit(&hidden);
    edit.SetParent(&hidden);
    EXPECT_THROW(edit.SetFocus(), EInvalidOperation);
}

TEST_F(Focus, ClickingASpeedButtonRunsItsClickWithoutMovingTheFocus) {
    TSpeedButton button(&form);
    button.SetParent(&panel2);
    int clicks = 0;
    button.OnClick = [&](TComponent*) { ++clicks; };
    Application->Focus(edit1);
    trace.clear();
    Application->Click(button);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(form.ActiveControl(), &edit1);

    button.SetEnabled(false);
    Application->Click(button);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Focus, ClickOnAnEditWhoseEntryIsRefusedDoesNotClick) {
    int clicks = 0;
    edit3.OnClick = [&](TComponent*) { ++clicks; };
    panel1.OnExit = [&](TComponent*) {
        edit1.SetFocus();
        Abort();
    };
    Application->Focus(edit1);
    Application->Click(edit3);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(form.ActiveControl(), &edit1);
}

TEST_F(Focus, DestroyingTheFocusedControlForgetsIt) {
    auto* extra = new TEdit(&form);
    extra->SetParent(&panel2);
    Application->Focus(*extra);
    delete extra;
    EXPECT_EQ(form.ActiveControl(), nullptr);
    trace.clear();
    Application->Focus(edit1);
    EXPECT_EQ(trace, (Trace{"panel2.Exit", "panel1.Enter", "edit1.Enter"}));
}

} // namespace
