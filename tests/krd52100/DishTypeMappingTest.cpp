// The dish-type rows against the real server on the demo company: the crossed checks run when a
// column of the grid is left, the destination lookup, and the two registers of taken dish types
// through posts, marks, deletes, cancels and a second load.
#include "DishTypeScreen.h"

#include "ControlRoutines.h"
#include "FormatSettings.h"
#include "Keys.h"
#include "MsgDlg.h"
#include "TDataSource.h"

namespace krd52100::testing {
namespace {

class DishTypeMappingTest : public DishTypeScreen {
protected:
    void SetUp() override {
        DishTypeScreen::SetUp();
        WorkOnTheGrid();  // the rebuild posts every row, marked: both registers fill
    }
    void DoubleClickMark() {
        Application->Perform([&] { Grid().DblClickCell(IndiceCol(&Grid(), "IDIMPORTAR"), Rows().CurrentDisplayRow()); });
    }
    std::string Field(const char* name) { return Rows().FieldByName(name)->AsString(); }
    // Types a destination code into the first row (Entrada, slot 1) unmarked, and leaves the
    // origin column: the destination check.
    void CheckDestination(const std::string& typed) {
        GoToColumn("IDIMPORTAR");
        DoubleClickMark();
        GoToColumn("CDTIPODEST");
        TypeText(typed);
        PressKey(VK_TAB, {ssShift});  // leaving the destination column checks the origin
        GoToColumn("CDTIPOORIG");
        PressKey(VK_TAB);  // leaving the origin column checks the destination
    }
};

TEST_F(DishTypeMappingTest, DestinationCheckTakesTheNameOfTheCodeTypedNotOfTheFirstRow) {
    CheckDestination("23");
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    EXPECT_EQ(Field("CDTIPODEST"), "23");
    EXPECT_EQ(Field("NMTIPODEST"), "GUARNIÇÃO");
    EXPECT_EQ(Field("NRSEQDEST"), "1");
    EXPECT_EQ(Rows().State(), dsEdit) << "the row is left for the user to post";
}

TEST_F(DishTypeMappingTest, DestinationCodeOutsideTheConfigurationIsNotRegistered) {
    CheckDestination("3");  // the origin's code of Guarnição
    EXPECT_EQ(Messages(), std::vector<std::string>{"Tipo de Prato não cadastrado."});
    EXPECT_EQ(Field("CDTIPODEST"), "03") << "stored form kept";
    EXPECT_EQ(Field("NRSEQDEST"), "1");
    EXPECT_EQ(Grid().SelectedField()->FieldName(), "CDTIPODEST") << "the focus goes to the destination";
}

TEST_F(DishTypeMappingTest, DestinationTakenBySameSlotIsRefused) {
    // Slot 1 of the hospital service takes 14 (Entrada): a second row in slot 1 may not.
    GoToColumn("IDIMPORTAR");
    Application->Perform([&] { Rows().Next(); });  // slot 2, Prato Principal, marked
    DoubleClickMark();
    Application->Perform([&] {
        Rows().Edit();
        Rows().FieldByName("NRSEQORIG")->SetValue(Variant(1));
        Rows().FieldByName("CDTIPODEST")->SetAsString("14");
    });
    GoToColumn("CDTIPOORIG");
    PressKey(VK_TAB);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Tipo de Prato Destino já cadastrado(a)."});
}

// A marked row releases its entries as its edit starts: its own origin passes the check, and the
// post takes the new destination in place of the old one.
TEST_F(DishTypeMappingTest, AnEditedRowIsCheckedWithoutItsOwnEntries) {
    GoToColumn("CDTIPODEST");
    TypeText("23");
    PressKey(VK_TAB, {ssShift});
    EXPECT_TRUE(Messages().empty());
    PressKey(VK_RETURN);
    EXPECT_EQ(Rows().State(), dsBrowse);
    EXPECT_EQ(Field("NMTIPODEST"), "GUARNIÇÃO");
    const auto destinations = DestinationEntries();
    EXPECT_EQ(std::count(destinations.begin(), destinations.end(), "00071/23/1"), 1);
    EXPECT_EQ(std::count(destinations.begin(), destinations.end(), "00071/14/1"), 0);
    EXPECT_EQ(OriginEntries().size(), 28u);
}

// Typed in the last column and left by Tab, Enter or an arrow, a destination is checked by the
// post that the move makes.
TEST_F(DishTypeMappingTest, LeavingTheRowChecksTheDestinationTyped) {
    for (const Word key : {VK_TAB, VK_RETURN, VK_DOWN}) {
        dialogs_.Clear();
        GoToColumn("CDTIPODEST");
        TypeText("3");  // the origin's code of Guarnição
        PressKey(key);
        EXPECT_EQ(Messages(), std::vector<std::string>{"Tipo de Prato não cadastrado."}) << key;
        EXPECT_EQ(Rows().State(), dsEdit) << key;
        EXPECT_EQ(Field("NMTIPODEST"), "") << key;
        EXPECT_EQ(Row(kHospital, 1, "01")["CDTIPODEST"].AsString(), "14") << key;
        dialogs_.Answer(mrYes);
        Application->Perform([&] { Rows().Cancel(); });
    }
}

TEST_F(DishTypeMappingTest, RowsInBrowseStateAreAcceptedUnchecked) {
    GoToColumn("CDTIPOORIG");
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    PressKey(VK_TAB, {ssShift});
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DishTypeMappingTest, RebuildPostsEachMarkedRowIntoBothRegistersOnce) {
    EXPECT_EQ(OriginEntries().size(), 28u);  // 3 hospital services x 6 + 2 staff services x 5
    EXPECT_EQ(DestinationEntries().size(), 28u);
    Focus(*Frm().depDestino);
    Focus(*Frm().dbgTipoPrat);  // leaving the date panel again rebuilds and posts again
    EXPECT_EQ(OriginEntries().size(), 28u);
    EXPECT_EQ(DestinationEntries().size(), 28u);
    const auto origins = OriginEntries();
    EXPECT_EQ(std::count(origins.begin(), origins.end(), "00001/02/3"), 1);
}

TEST_F(DishTypeMappingTest, DoubleClickUnmarksWithItsEntriesAndMarksBackWithThem) {
    GoToColumn("IDIMPORTAR");
    DoubleClickMark();
    EXPECT_EQ(Field("IDIMPORTAR"), "N");
    EXPECT_EQ(Rows().State(), dsBrowse);
    auto holds = [](const std::vector<std::string>& entries, const char* entry) {
        return std::count(entries.begin(), entries.end(), entry) == 1;
    };
    EXPECT_EQ(OriginEntries().size(), 27u);
    EXPECT_FALSE(holds(OriginEntries(), "00001/01/1"));
    EXPECT_FALSE(holds(DestinationEntries(), "00071/14/1"));
    DoubleClickMark();
    EXPECT_EQ(Field("IDIMPORTAR"), "S");
    EXPECT_EQ(OriginEntries().size(), 28u);
    EXPECT_EQ(DestinationEntries().size(), 28u);
    EXPECT_TRUE(holds(OriginEntries(), "00001/01/1"));
    EXPECT_TRUE(holds(DestinationEntries(), "00071/14/1"));
}

TEST_F(DishTypeMappingTest, ARowPostedUnmarkedHoldsNoEntries) {
    GoToColumn("IDIMPORTAR");
    DoubleClickMark();  // unmarked, entries released
    Application->Perform([&] {
        Rows().Edit();
        Rows().FieldByName("NMTIPODEST")->SetAsString("Outro");
        Rows().Post();
    });
    EXPECT_EQ(OriginEntries().size(), 27u);
    Application->Perform([&] { Rows().Next(); });  // marked row, posted "N" by hand
    Application->Perform([&] {
        Rows().Edit();
        Rows().FieldByName("IDIMPORTAR")->SetAsString("N");
        Rows().Post();
    });
    EXPECT_EQ(OriginEntries().size(), 26u);
}

TEST_F(DishTypeMappingTest, MarkedRowWithoutDestinationTakesItsOriginOnly) {
    GoToColumn("IDIMPORTAR");
    DoubleClickMark();
    Application->Perform([&] {
        Rows().Edit();
        Rows().FieldByName("CDTIPODEST")->Clear();
        Rows().Post();
    });
    DoubleClickMark();
    EXPECT_EQ(OriginEntries().size(), 28u);
    EXPECT_EQ(DestinationEntries().size(), 27u);
}

TEST_F(DishTypeMappingTest, DeleteNeedsTheImportModeAndReleasesTheEntries) {
    const int before = Rows().RecordCount();
    Application->Perform([&] { Rows().Delete(); });
    EXPECT_EQ(Rows().RecordCount(), before);
    EXPECT_EQ(OriginEntries().size(), 28u);
    EXPECT_TRUE(Messages().empty());
    boImporta() = true;
    Application->Perform([&] { Rows().Delete(); });
    EXPECT_EQ(Rows().RecordCount(), before - 1);
    EXPECT_EQ(OriginEntries().size(), 27u);
    EXPECT_EQ(DestinationEntries().size(), 27u);
}

TEST_F(DishTypeMappingTest, InsertAndAppendAreRefusedSilently) {
    const int before = Rows().RecordCount();
    PressKey(VK_INSERT);
    Application->Perform([&] { Rows().Append(); });
    EXPECT_EQ(Rows().RecordCount(), before);
    EXPECT_EQ(Rows().State(), dsBrowse);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DishTypeMappingTest, OptionFlagShowsAsSimOrNao) {
    Application->Perform([&] { Rows().Locate("NRSEQORIG", Variant(3)); });
    EXPECT_EQ(Rows().FieldByName("IDOPCORIG")->DisplayText(), "Sim");
    EXPECT_EQ(Rows().FieldByName("IDOPCORIG")->Text(), "Sim");
    Application->Perform([&] { Rows().First(); });
    EXPECT_EQ(Rows().FieldByName("IDOPCORIG")->DisplayText(), "Não");
}

TEST_F(DishTypeMappingTest, LookupPutsTheChosenDishTypeIntoTheRowUnposted) {
    GoToColumn("CDTIPODEST");
    lookups_.ChooseWhere("CDTIPOPRAT", "09");
    Application->Perform([&] { Grid().EditButtonClick(); });
    ASSERT_EQ(lookups_.Shown().size(), 1u);
    EXPECT_EQ(lookups_.Shown()[0].Title, "Tipo de Prato Destino");
    EXPECT_TRUE(!lookups_.Shown()[0].ShowHiddenFields && lookups_.Shown()[0].Searchable) << "flags false, true";
    EXPECT_EQ(lookups_.Shown()[0].Rows, 5);
    EXPECT_EQ(Rows().State(), dsEdit);
    EXPECT_EQ(Field("CDTIPODEST"), "09");
    EXPECT_EQ(Field("NMTIPODEST"), "SOBREMESA");
    EXPECT_EQ(Field("NRSEQDEST"), "1");
    dialogs_.Answer(mrYes);
    Application->Perform([&] { Rows().Cancel(); });
}

// A configuration that starts after today: the destination start date set to its first day, the
// lookup lists its dish types, and the check of the one picked answers for the same day.
TEST_F(DishTypeMappingTest, DishTypePickedForALaterConfigurationPassesTheCheck) {
    const TDateTime later = Date() + 30;
    ExecuteSql("INSERT INTO CNFCARDAPIO SELECT CDFILIAL, CDSERVFILI, '" +
               FormatDateTime("yyyy-mm-dd", later) +
               "', CASE CDTIPOPRAT WHEN '14' THEN '07' ELSE CDTIPOPRAT END, NRSEQCNFMES, NRORDCNFMES, "
               "CASE CDTIPOPRAT WHEN '14' THEN 'Caldo' ELSE NMTIPOPRAT END, IDOPCCNFMES FROM CNFCARDAPIO "
               "WHERE CDFILIAL = '" + std::string(kDestinationBranch) + "'");
    Focus(*Frm().depDestino);
    Frm().depDestino->SelectAll();
    TypeText(DateToStr(later));
    Focus(Grid()); // the rebuild for that day
    // The import checks each row in the configuration of the day it was matched for.
    const DataPacket rows = Rows().GetData().AsPacket();
    for (size_t i = 0; i < rows.Rows.size(); ++i)
        EXPECT_EQ(rows.Value(i, "DTCNFDEST"), Variant(later)) << i;
    GoToColumn("IDIMPORTAR");
    DoubleClickMark();
    GoToColumn("CDTIPODEST");
    lookups_.ChooseWhere("CDTIPOPRAT", "07");
    Application->Perform([&] { Grid().EditButtonClick(); });
    PressKey(VK_TAB, {ssShift});
    GoToColumn("CDTIPOORIG");
    PressKey(VK_TAB); // the destination check
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    EXPECT_EQ(Field("CDTIPODEST"), "07");
    EXPECT_EQ(Field("NMTIPODEST"), "Caldo");
}

// A load replaces the mapping tables: the registers then hold what its proposed rows take, and
// nothing of the rows replaced.
TEST_F(DishTypeMappingTest, ASecondLoadFillsTheRegistersFromItsProposal) {
    GoToColumn("IDIMPORTAR");
    DoubleClickMark();
    ASSERT_EQ(OriginEntries().size(), 27u);
    ShowTab(Frm().tshPadrao);
    LoadDemoFileIntoDestination();
    EXPECT_EQ(OriginEntries().size(), 28u);
    EXPECT_EQ(DestinationEntries().size(), 28u);
    EXPECT_EQ(Frm().cdsDietaOrigAux->RecordCount(), 22);  // 3 hospital services x 6 + 2 staff x 2
    EXPECT_EQ(Frm().cdsDietaDest->RecordCount(), 22);
    EXPECT_EQ(Frm().cdsServDestino->RecordCount(), 5);
}

}  // namespace
}  // namespace krd52100::testing
