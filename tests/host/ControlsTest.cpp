#include "ControlRoutines.h"
#include "FormatSettings.h"
#include "ScriptedDialogsTest.h"
#include "TClientDataSet.h"
#include "TColumn.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TDateEditPlus.h"
#include "TField.h"
#include "TForm.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TStringField.h"

namespace {

TEST(SetChildEnabled, UnlockingRestoresOnlyWhatTheLockDisabled) {
    TPanel panel(nullptr);
    TLabel label(nullptr);
    TEdit code(nullptr), name(nullptr);
    for (TControl* child : std::initializer_list<TControl*>{&label, &code, &name}) child->SetParent(&panel);
    name.SetEnabled(false);  // a box that only shows

    SetChildEnabled(&panel, false);
    EXPECT_FALSE(label.Enabled() || code.Enabled() || name.Enabled());
    SetChildEnabled(&panel, true);
    EXPECT_TRUE(label.Enabled() && code.Enabled());
    EXPECT_FALSE(name.Enabled());

    SetChildEnabled(&panel, false);
    SetChildEnabled(&panel, false);  // a second lock keeps what the first remembered
    SetChildEnabled(&panel, true);
    EXPECT_TRUE(label.Enabled() && code.Enabled());
    EXPECT_FALSE(name.Enabled());

    SetChildEnabled(&panel, true);  // nothing remembered: every child
    EXPECT_TRUE(name.Enabled());
}

TEST(SetChildEnabled, AChildThatLeftMeanwhileIsNotTouched) {
    TPanel panel(nullptr);
    TEdit stays(nullptr);
    stays.SetParent(&panel);
    {
        TEdit leaves(nullptr);
        leaves.SetParent(&panel);
        SetChildEnabled(&panel, false);
    }
    TEdit moved(nullptr);
    moved.SetParent(&panel);
    SetChildEnabled(&panel, false);
    moved.SetParent(nullptr);
    SetChildEnabled(&panel, true);
    EXPECT_TRUE(stays.Enabled());
    EXPECT_FALSE(moved.Enabled());
}

TEST(IndiceCol, FindsTheColumnOfAFieldWhateverItsPlaceOrCase) {
    TDBGrid grid(nullptr);
    for (const char* field : {"CDSERVFILIORIG", "CDSERVFILIDEST", "CDSERVFILIORIG"})
        grid.Columns().Add()->SetFieldName(field);
    EXPECT_EQ(IndiceCol(&grid, "CDSERVFILIDEST"), 1);
    EXPECT_EQ(IndiceCol(&grid, "cdservfiliorig"), 0);  // the first of two
    EXPECT_EQ(IndiceCol(&grid, "NMSERVICO"), -1);
}

TEST(IndiceCol, FindsTheColumnOfAFieldWhereverTheLayoutPutsIt) {
    TClientDataSet diets(nullptr);
    diets.AddStringField("CDSERVORIG", 5)->SetVisible(false);
    diets.AddStringField("CDDIETORIG", 4);
    diets.AddStringField("CDDIETDEST", 4);
    diets.CreateDataSet();
    TDataSource source(nullptr);
    source.SetDataSet(&diets);
    TDBGrid grid(nullptr);
    grid.SetDataSource(&source);
    EXPECT_EQ(IndiceCol(&grid, "CDDIETDEST"), 1);  // default columns: visible fields only
    EXPECT_EQ(IndiceCol(&grid, "CDSERVORIG"), -1);

    grid.Columns().Add()->SetFieldName("CDDIETDEST");
    grid.Columns().Add()->SetFieldName("CDDIETORIG");
    EXPECT_EQ(IndiceCol(&grid, "cddietorig"), 1);
    EXPECT_EQ(IndiceCol(&grid, "CDDIETDEST"), 0);
    EXPECT_EQ(IndiceCol(&grid, "DSDIETDEST"), -1);
}

class DateEdit : public ScriptedDialogsTest {
protected:
    DateEdit() : form(nullptr), other(&form), edit(&form) {
        other.SetParent(&form);
        edit.SetParent(&form);
        edit.SetValidDateColor(clBlue);
        edit.OnChange = [this](TComponent*) { ++changes; };
    }
    void SetUp() override {
        ScriptedDialogsTest::SetUp();
        FormatSettings = TFormatSettings::BrazilianPortuguese();
    }
    void TearDown() override {
        form.Hide();
        ScriptedDialogsTest::TearDown();
    }

    TForm form;
    TEdit other;
    TDateEditPlus edit;
    int changes = 0;
};

TEST_F(DateEdit, HoldsWholeDaysInTheShortDateFormat) {
    edit.SetDate(TDateTime(EncodeDate(2024, 3, 1).Value + 0.75));
    EXPECT_EQ(edit.Text(), "01/03/2024");
    EXPECT_EQ(edit.Date(), EncodeDate(2024, 3, 1));
    EXPECT_EQ(edit.PrimDia(), EncodeDate(2024, 3, 1));
    EXPECT_EQ(edit.Font().Color, clBlue);
    EXPECT_EQ(changes, 1);

    edit.SetDate(TDateTime());
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(edit.Date().Days(), 0);
    EXPECT_EQ(edit.Font().Color, clWindowText);
    EXPECT_EQ(edit.WeekdayName(), "");
}

TEST_F(DateEdit, WeekdayNameComesFromTheEditsOwnNames) {
    edit.DayNames = {"Domingo", "Segunda", "Terça", "Quarta", "Quinta", "Sexta", "Sábado"};
    edit.SetDate(EncodeDate(2024, 3, 1));
    EXPECT_EQ(edit.WeekdayName(), "Sexta");
    edit.SetDate(EncodeDate(2024, 3, 3));
    EXPECT_EQ(edit.WeekdayName(), "Domingo");
}

TEST_F(DateEdit, TypingTakesDigitsAndTheSeparatorUpToTenCharacters) {
    form.Show();
    edit.SetFocus();
    Application->TypeText("01a/03-/2024 99");
    EXPECT_EQ(edit.Text(), "01/03/2024");
    EXPECT_EQ(edit.Font().Color, clBlue);
}

TEST_F(DateEdit, CheckValidDateSettlesTheText) {
    struct Case {
        const char* typed;
        const char* settled;
        bool message;
    } cases[] = {
        {"", "", false},
        {"1/3/24", "01/03/2024", false},
        {"29/02/2024", "29/02/2024", false},
        {"29/02/2023", "29/02/2024", true},  // no such day: the last valid date comes back
        {"31/13/2024", "29/02/2024", true},
        {"0/0/0", "29/02/2024", true},
        {"15/08", "29/02/2024", true},
        {"03/03/202", "29/02/2024", true},  // half typed: no year 202
    };
    for (const auto& c : cases) {
        dialogs.Clear();
        edit.SetText(c.typed);
        edit.CheckValidDate();
        EXPECT_EQ(edit.Text(), c.settled) << c.typed;
        EXPECT_EQ(dialogs.Texts(), c.message ? std::vector<std::string>{"Data inválida."} : std::vector<std::string>{})
            << c.typed;
    }
}

TEST_F(DateEdit, CheckValidDateClearsAnInvalidTextWhenNoDateWasEverValid) {
    edit.SetText("99/99");
    edit.CheckValidDate();
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(dialogs.Texts().size(), 1u);
}

}  // namespace
