// What the user's keys, typing and clicks do to a data grid and its dataset.
#include "GridFixture.h"
#include "TInplaceEdit.h"

namespace {

using Trace = std::vector<std::string>;

class GridKeys : public GridTest {};

TEST_F(GridKeys, ColumnMoveRunsExitOnTheOldColumnThenEnterOnTheNew) {
    TraceColumns();
    Application->PressKey(VK_TAB);
    Application->PressKey(VK_RIGHT);
    Application->PressKey(VK_HOME);
    EXPECT_EQ(trace, (Trace{"ColExit 0", "ColEnter 1", "ColExit 1", "ColEnter 2", "ColExit 2", "ColEnter 0"}));
    EXPECT_EQ(cds.RecNo(), 1);
}

TEST_F(GridKeys, AbortInColumnExitKeepsTheColumn) {
    TraceColumns();
    grid.OnColExit = [&](TComponent*) {
        trace.push_back("ColExit");
        if (grid.SelectedField() == code) Abort();
    };
    Application->PressKey(VK_TAB);
    Application->Perform([&] { grid.SetSelectedIndex(2); });
    EXPECT_EQ(grid.SelectedIndex(), 0);
    EXPECT_EQ(trace, (Trace{"ColExit", "ColExit"}));
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(GridKeys, ColumnExitThatSelectsAnotherColumnWins) {
    TraceColumns();
    bool redirected = false;
    grid.OnColExit = [&](TComponent*) {
        trace.push_back("ColExit " + std::to_string(grid.SelectedIndex()));
        if (!redirected) {
            redirected = true;
            grid.SetSelectedIndex(2);
        }
    };
    Application->PressKey(VK_TAB);
    EXPECT_EQ(grid.SelectedIndex(), 2);
    EXPECT_EQ(trace, (Trace{"ColExit 0", "ColEnter 2"})) << "the handler's own move runs no second exit";
}

TEST_F(GridKeys, ColumnExitThatFailsAfterFocusingAnotherColumnLandsThereOnce) {
    TraceColumns();
    grid.OnColExit = [&](TComponent*) {
        trace.push_back("ColExit " + std::to_string(grid.SelectedIndex()));
        grid.SetSelectedIndex(2);
        Abort();
    };
    Application->PressKey(VK_TAB);
    EXPECT_EQ(grid.SelectedIndex(), 2);
    EXPECT_EQ(trace, (Trace{"ColExit 0", "ColEnter 2"}));
}

TEST_F(GridKeys, TypingOpensTheEditorAndPutsTheRowInEditWithoutTouchingTheField) {
    Application->PressKey(VK_TAB);
    Application->TypeText("Café");
    EXPECT_TRUE(grid.EditorMode());
    EXPECT_EQ(form.ActiveControl(), grid.InplaceEditor());
    EXPECT_EQ(grid.InplaceEditor()->Text(), "Café");
    EXPECT_EQ(cds.State(), dsEdit);
    EXPECT_EQ(name->AsString(), "Almoço");
    EXPECT_FALSE(cds.Modified());
}

TEST_F(GridKeys, EnterWritesTheEditorTextBeforeOnKeyPressAndTogglesTheEditorWithoutPosting) {
    std::string seenInKeyPress;
    grid.OnKeyPress = [&](TComponent*, char& key) {
        if (key == '\r') seenInKeyPress = name->AsString();
    };
    Application->PressKey(VK_TAB);
    Application->TypeText("Café");
    Application->PressKey(VK_RETURN);
    EXPECT_EQ(seenInKeyPress, "Café");
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(form.ActiveControl(), &grid);
    EXPECT_EQ(cds.State(), dsEdit);
    Application->PressKey(VK_RETURN);
    EXPECT_TRUE(grid.EditorMode());
    EXPECT_EQ(grid.InplaceEditor()->Text(), "Café");
}

TEST_F(GridKeys, FirstEscapeUndoesTheCellSecondCancelsTheRow) {
    Application->PressKey(VK_TAB);
    Application->TypeText("X");
    Application->PressKey(VK_ESCAPE);
    EXPECT_EQ(cds.State(), dsEdit);
    EXPECT_FALSE(grid.EditorMode());
    Application->PressKey(VK_F2);
    EXPECT_EQ(grid.InplaceEditor()->Text(), "Almoço");
    Application->PressKey(VK_ESCAPE);
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(name->AsString(), "Almoço");
}

TEST_F(GridKeys, EscapeOnAnInsertedRowRemovesIt) {
    Application->PressKey(VK_INSERT);
    ASSERT_EQ(cds.State(), dsInsert);
    Application->PressKey(VK_ESCAPE);
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(cds.RecordCount(), 3);
}

TEST_F(GridKeys, TypedValueReachesTheFieldWhenTheRowIsPosted) {
    std::string atBeforePost;
    cds.BeforePost = [&](TDataSet*) { atBeforePost = name->AsString(); };
    Application->PressKey(VK_DOWN);
    Application->PressKey(VK_TAB);
    Application->TypeText("Lanche");
    Application->PressKey(VK_DOWN);
    EXPECT_EQ(atBeforePost, "Lanche");
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(cds.RecNo(), 3);
    cds.Prior();
    EXPECT_EQ(name->AsString(), "Lanche");
}

TEST_F(GridKeys, ColumnMoveWritesTheEditorTextAndAFailedValidationKeepsIt) {
    qty->OnValidate = [&](TField*) {
        if (qty->AsInteger() < 0) throw EDatabaseError("Quantidade inválida");
    };
    Application->PressKey(VK_END);
    Application->TypeText("-5");
    Application->PressKey(VK_LEFT, {ssCtrl});  // stays in the editor: no column move
    Application->PressKey(VK_TAB, {ssShift});
    EXPECT_EQ(grid.SelectedIndex(), 2);
    EXPECT_EQ(grid.InplaceEditor()->Text(), "-5");
    EXPECT_EQ(dialogs.Texts(), (Trace{"Quantidade inválida."}));
    Application->PressKey(VK_END);
    Application->TypeText("\b\b7");
    Application->PressKey(VK_TAB, {ssShift});
    EXPECT_EQ(grid.SelectedIndex(), 1);
    EXPECT_EQ(qty->AsInteger(), 7);
}

struct OptionCase {
    const char* name;
    bool editing;
    int rowsAfterDownOnLastRow;
    TDataSetState stateAfterInsertKey;
};

class GridOptions : public GridTest, public ::testing::WithParamInterface<OptionCase> {
protected:
    GridOptions() {
        if (!GetParam().editing) grid.SetOptions(grid.Options() - dgEditing);
    }
};

TEST_P(GridOptions, InsertAndDownPastTheLastRowAddRowsOnlyWhenEditing) {
    Application->PressKey(VK_INSERT);
    EXPECT_EQ(cds.State(), GetParam().stateAfterInsertKey);
    Application->PressKey(VK_ESCAPE);
    Application->PressKey(VK_END, {ssCtrl});
    Application->PressKey(VK_DOWN);
    EXPECT_EQ(cds.DisplayRowCount(), GetParam().rowsAfterDownOnLastRow);
    // A second Down on the untouched new row does nothing; Up drops it.
    Application->PressKey(VK_DOWN);
    EXPECT_EQ(cds.DisplayRowCount(), GetParam().rowsAfterDownOnLastRow);
    Application->PressKey(VK_UP);
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(cds.DisplayRowCount(), 3);
    EXPECT_EQ(code->AsString(), GetParam().editing ? "03" : "02");
}

INSTANTIATE_TEST_SUITE_P(Editing, GridOptions,
                         ::testing::Values(OptionCase{"WithEditing", true, 4, dsInsert},
                                           OptionCase{"WithoutEditing", false, 3, dsBrowse}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridKeys, TabPastTheLastColumnGoesToTheNextRowAndAppendsAtTheEnd) {
    Application->PressKey(VK_END);
    Application->PressKey(VK_TAB);
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_EQ(grid.SelectedIndex(), 0);
    Application->PressKey(VK_END, {ssCtrl});
    Application->PressKey(VK_END);
    Application->PressKey(VK_TAB);
    EXPECT_EQ(cds.State(), dsInsert);
    Application->TypeText("04");
    // Back before the first column: the previous row (posting this one), last column.
    Application->PressKey(VK_TAB, {ssShift});
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(code->AsString(), "03");
    EXPECT_EQ(grid.SelectedIndex(), 2);
    EXPECT_EQ(Codes(), (Trace{"01", "02", "03", "04"}));
}

struct DeleteCase {
    const char* name;
    int answer;
    std::vector<std::string> codesAfter;
};

class CtrlDelete : public GridTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(CtrlDelete, AsksFirstAndDeletesUnlessCancelled) {
    Application->PressKey(VK_DOWN);
    dialogs.Answer(GetParam().answer);
    Application->PressKey(VK_DELETE, {ssCtrl});
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].Text, "Delete record?");
    EXPECT_EQ(dialogs.Shown()[0].Type, mtConfirmation);
    EXPECT_EQ(dialogs.Shown()[0].Buttons, mbOKCancel);
    EXPECT_EQ(Codes(), GetParam().codesAfter);
}

INSTANTIATE_TEST_SUITE_P(Answers, CtrlDelete,
                         ::testing::Values(DeleteCase{"Cancel", mrCancel, {"01", "02", "03"}},
                                           DeleteCase{"Ok", mrOk, {"01", "03"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridKeys, CtrlDeleteWithoutConfirmationOrEditingNeedsNoAnswer) {
    grid.SetOptions(grid.Options() - dgConfirmDelete);
    Application->PressKey(VK_DELETE, {ssCtrl});
    EXPECT_EQ(cds.RecordCount(), 2);
    grid.SetOptions(grid.Options() - dgEditing);
    Application->PressKey(VK_DELETE, {ssCtrl});
    EXPECT_EQ(cds.RecordCount(), 2);
}

TEST_F(GridKeys, WithoutAutoEditTypingIsRefused) {
    source.AutoEdit = false;
    Application->TypeText("Z");
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(grid.InplaceEditor()->Text(), "01");
}

TEST_F(GridKeys, HandlersSwallowKeysAndCharacters) {
    grid.OnKeyDown = [](TComponent*, Word& key, TShiftState) {
        if (key == VK_DOWN) key = 0;
    };
    grid.OnKeyPress = [](TComponent*, char& key) {
        if (key == 'x') key = '\0';
    };
    Application->PressKey(VK_DOWN);
    Application->TypeText("x");
    EXPECT_EQ(cds.RecNo(), 1);
    EXPECT_EQ(cds.State(), dsBrowse);
    Application->TypeText("y");
    EXPECT_EQ(grid.InplaceEditor()->Text(), "y");
}

TEST_F(GridKeys, EveryKeyInTheEditorReachesTheGridsKeyDownOnce) {
    std::vector<Word> keys;
    grid.OnKeyDown = [&](TComponent*, Word& key, TShiftState) { keys.push_back(key); };
    Application->TypeText("ab");
    Application->PressKey(VK_LEFT);
    Application->PressKey(VK_DOWN);
    EXPECT_EQ(keys, (std::vector<Word>{'A', 'B', VK_LEFT, VK_DOWN}));
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_TRUE(grid.EditorMode());
}

TEST_F(GridKeys, LeavingTheGridCancelsAnUntouchedInsertAndWritesAnEditedOne) {
    Application->PressKey(VK_INSERT);
    Application->Focus(other);
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(cds.RecordCount(), 3);

    Application->Focus(grid);
    Application->PressKey(VK_INSERT);
    Application->TypeText("09");
    Application->Focus(other);
    EXPECT_EQ(cds.State(), dsInsert);
    EXPECT_EQ(code->AsString(), "09");
}

TEST_F(GridKeys, FailureWhenLeavingTheGridTakesTheFocusBack) {
    code->OnValidate = [&](TField*) {
        if (code->AsString() == "99") throw EDatabaseError("Código inválido");
    };
    TraceFocus(grid, "grid");
    Application->TypeText("99");
    Application->Focus(other);
    EXPECT_EQ(form.ActiveControl(), grid.InplaceEditor());
    EXPECT_EQ(dialogs.Texts(), (Trace{"Código inválido."}));
    EXPECT_EQ(trace, (Trace{"grid.Enter"}));
}

TEST_F(GridKeys, FieldFocusControlSelectsItsColumnAndOpensTheEditor) {
    TraceColumns();
    Application->Focus(other);
    Application->Perform([&] { qty->FocusControl(); });
    EXPECT_EQ(trace, (Trace{"ColExit 0", "ColEnter 2"}));
    EXPECT_EQ(form.ActiveControl(), grid.InplaceEditor());
    EXPECT_EQ(grid.InplaceEditor()->Text(), "10");
}

TEST_F(GridKeys, ClicksMoveRowsAndColumnsThenReportTheCell) {
    TraceColumns();
    std::vector<std::string> clicked;
    grid.OnCellClick = [&](TColumn* column) { clicked.push_back("cell " + column->FieldName()); };
    grid.OnTitleClick = [&](TColumn* column) { clicked.push_back("title " + column->FieldName()); };
    grid.OnDblClick = [&](TComponent*) { clicked.push_back("double"); };
    Application->Focus(other);
    Application->Perform([&] { grid.ClickCell(1, 2); });
    EXPECT_EQ(cds.RecNo(), 3);
    EXPECT_EQ(form.ActiveControl(), &grid);
    Application->Perform([&] { grid.ClickTitle(2); });
    Application->Perform([&] { grid.DblClickCell(1, 0); });
    EXPECT_EQ(cds.RecNo(), 1);
    EXPECT_EQ(trace, (Trace{"ColExit 0", "ColEnter 1"}));
    // The second press of a double click only double-clicks; its release reports the cell again.
    EXPECT_EQ(clicked, (Trace{"cell NAME", "title QTY", "cell NAME", "double", "cell NAME"}));
    EXPECT_FALSE(grid.EditorMode());

    // A click on the current cell opens the editor, and the release over it reports nothing.
    Application->Perform([&] { grid.ClickCell(1, 0); });
    EXPECT_TRUE(grid.EditorMode());
    EXPECT_EQ(clicked.size(), 5u);
}

TEST_F(GridKeys, EllipsisButtonAndCtrlEnterRunTheEditButtonHandler) {
    int clicks = 0;
    grid.OnEditButtonClick = [&](TComponent*) { ++clicks; };
    grid.Columns()[0]->SetButtonStyle(cbsEllipsis);
    Application->Perform([&] { grid.ClickEditButton(); });
    EXPECT_EQ(clicks, 0);  // no editor, no button
    Application->PressKey(VK_F2);
    Application->Perform([&] { grid.ClickEditButton(); });
    Application->PressKey(VK_RETURN, {ssCtrl});
    EXPECT_EQ(clicks, 2);
    grid.Columns()[0]->SetButtonStyle(cbsNone);
    Application->Perform([&] { grid.ClickEditButton(); });
    EXPECT_EQ(clicks, 2);
}

} // namespace
