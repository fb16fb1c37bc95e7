// The diets of a service pair, typed and picked in the diet grid: checks against the file and
// the server when a column is left, the registers of mapped diets, the two lookups, painting,
// delete and cancel.
#include "PairMappingFixture.h"

namespace krd52100::testing {
namespace {

class DietMappingTest : public PairMappingFixture {
protected:
    TClientDataSet& Diets() { return *Frm().cdsDietas; }
    TDBGrid& Grid() { return *Frm().dbgDieta; }

    bool Registered(TClientDataSet& taken, const std::string& service, const std::string& diet) {
        bool found = false;
        Perform([&] { found = taken.Locate("CDSERVFILI;CDDIETPAD", VarArrayOf({service, diet}), loCaseInsensitive); });
        return found;
    }

    // Posts the current diet row as it stands (edit, Enter), so that its diets are registered.
    void PostCurrentRow() {
        Perform([&] { Diets().Edit(); });
        PressKey(VK_RETURN);
        ASSERT_EQ(Diets().State(), dsBrowse);
    }

    // Cancels a pending edit, answering Yes to the confirmation, and forgets the dialogs shown.
    void CancelRow() {
        dialogs_.Answer(mrYes);
        Perform([&] { Diets().Cancel(); });
        dialogs_.Clear();
    }

    void ClickLookup(const char* field) {
        SelectColumn(Grid(), field);
        Perform([&] { Grid().EditButtonClick(); });
    }

    std::string SelectedField() { return Grid().SelectedField()->FieldName(); }
};

TEST_F(DietMappingTest, LeavingAnEmptyDietColumnShowsNothing) {
    WorkOnDietsOf("00001");
    const int busyStarts = busy_.Starts();
    InsertDietRow();
    TypeIntoColumn(Grid(), "CDDIETORIG", " ");
    TypeIntoColumn(Grid(), "CDDIETDEST", " ");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(busy_.Starts(), busyStarts) << "no server call";
    CancelRow();
}

struct OriginCase {
    const char* pair;
    const char* typed;
    const char* message;  // "" when accepted
    const char* stored;
    const char* name;
};

// Origin diets are those the file exports for the origin service of the pair: 0003 is exported
// for the hospital services only.
TEST_F(DietMappingTest, OriginDietIsCheckedAgainstTheDietsExportedForTheOriginService) {
    const OriginCase cases[] = {
        {"00001", "3", "", "0003", "Pastosa"},
        {"00010", "3", "Dieta não exportada.", "0003", ""},
        {"00010", " 2", "", "0002", "Vegetariana"},
    };
    for (const OriginCase& c : cases) {
        SCOPED_TRACE(std::string(c.pair) + " " + c.typed);
        dialogs_.Clear();
        WorkOnDietsOf(c.pair);
        InsertDietRow();
        TypeIntoColumn(Grid(), "CDDIETORIG", c.typed);
        EXPECT_EQ(Messages(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(SelectedField(), *c.message ? "CDDIETORIG" : "CDDIETDEST");
        EXPECT_EQ(Value(Diets(), "CDDIETORIG"), c.stored);
        EXPECT_EQ(Value(Diets(), "DSDIETORIG"), c.name);
        EXPECT_EQ(Value(Diets(), "CDSERVORIG"), c.pair);
        CancelRow();
    }
}

TEST_F(DietMappingTest, AcceptedOriginDietKeepsTheCodeAsAdjustedAndTakesTheFileName) {
    Perform([&] {
        TClientDataSet& exported = *Frm().cdsDietaOrig;
        exported.Append();
        Set(exported, "CDSERVFILI", "00010");
        Set(exported, "CDDIETPAD", "AB");
        Set(exported, "DSDIETPAD", "Especial");
        exported.Post();
    });
    WorkOnDietsOf("00010");
    InsertDietRow();
    TypeIntoColumn(Grid(), "CDDIETORIG", "ab");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Value(Diets(), "CDDIETORIG"), "ab");
    EXPECT_EQ(Value(Diets(), "DSDIETORIG"), "Especial");
    CancelRow();
}

TEST_F(DietMappingTest, DestinationDietIsCheckedWithTheServer) {
    WorkOnDietsOf("00010");
    const int busyStarts = busy_.Starts();
    InsertDietRow();
    TypeIntoColumn(Grid(), "CDDIETDEST", "2");  // the origin's code of Vegetariana
    EXPECT_EQ(Messages(), std::vector<std::string>{"Dieta não cadastrada para o servico informado."});
    EXPECT_EQ(SelectedField(), "CDDIETDEST");
    EXPECT_EQ(Value(Diets(), "CDDIETDEST"), "0002");
    EXPECT_EQ(busy_.Starts(), busyStarts + 1);

    dialogs_.Clear();
    TypeIntoColumn(Grid(), "CDDIETDEST", "29");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Value(Diets(), "CDDIETDEST"), "0029");
    EXPECT_EQ(Value(Diets(), "DSDIETDEST"), "VEGETARIANA");
    EXPECT_EQ(Value(Diets(), "CDSERVDEST"), "00060");
    CancelRow();
}

TEST_F(DietMappingTest, DestinationDietMappedUnderTheSameServiceIsRefusedAndUnderAnotherAccepted) {
    WorkOnDietsOf("00010");
    PostCurrentRow();  // 0001 "Normal" of service 00010 -> 0015 "NORMAL" of service 00060
    ASSERT_TRUE(Registered(*Frm().cdsDietaDest, "00060", "0015"));
    ASSERT_TRUE(Registered(*Frm().cdsDietaOrigAux, "00010", "0001"));

    InsertDietRow();
    TypeIntoColumn(Grid(), "CDDIETDEST", "15");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Dieta Destino já cadastrado(a)."});
    EXPECT_EQ(SelectedField(), "CDDIETDEST");
    CancelRow();

    dialogs_.Clear();
    WorkOnDietsOf("00011");
    InsertDietRow();
    TypeIntoColumn(Grid(), "CDDIETDEST", "15");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Value(Diets(), "DSDIETDEST"), "NORMAL");
    CancelRow();
}

TEST_F(DietMappingTest, ARowKeepsItsOwnDietsAfterEdit) {
    WorkOnDietsOf("00010");
    PostCurrentRow();
    TypeIntoColumn(Grid(), "CDDIETDEST", "15");  // starts the edit: the row releases its pairs
    EXPECT_TRUE(Messages().empty());
    TypeIntoColumn(Grid(), "CDDIETORIG", "1");
    EXPECT_TRUE(Messages().empty());
    PressKey(VK_RETURN);
    EXPECT_EQ(Diets().State(), dsBrowse);
    EXPECT_TRUE(Registered(*Frm().cdsDietaDest, "00060", "0015"));
}

// An origin diet goes to one destination diet: the import keeps one destination per origin.
TEST_F(DietMappingTest, OriginDietMappedInAPostedRowIsRefusedForAnotherRow) {
    WorkOnDietsOf("00010");
    PostCurrentRow();
    InsertDietRow();
    TypeIntoColumn(Grid(), "CDDIETORIG", "1");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Dieta Origem já cadastrada."});
    EXPECT_EQ(SelectedField(), "CDDIETORIG");
    CancelRow();
}

TEST_F(DietMappingTest, DeletingARowReleasesItsPairs) {
    WorkOnDietsOf("00010");
    PostCurrentRow();
    dialogs_.Answer(mrOk);  // the grid's own "delete record?"
    PressKey(VK_DELETE, {ssCtrl});
    ASSERT_EQ(Diets().RecordCount(), 1);
    EXPECT_FALSE(Registered(*Frm().cdsDietaDest, "00060", "0015"));
    EXPECT_FALSE(Registered(*Frm().cdsDietaOrigAux, "00010", "0001"));

    InsertDietRow();
    TypeIntoColumn(Grid(), "CDDIETORIG", "1");
    TypeIntoColumn(Grid(), "CDDIETDEST", "15");
    EXPECT_EQ(dialogs_.Shown().size(), 1u) << "no message beyond the delete confirmation";
    PressKey(VK_RETURN);
    EXPECT_EQ(Diets().RecordCount(), 2);
}

TEST_F(DietMappingTest, CancelAsksAndTheReleasedPairsStayReleased) {
    WorkOnDietsOf("00010");
    PostCurrentRow();
    TypeIntoColumn(Grid(), "CDDIETDEST", "29");
    dialogs_.Answer(mrNo);
    Perform([&] { Diets().Cancel(); });
    EXPECT_EQ(Messages(), std::vector<std::string>{"Cancela operação?"});
    EXPECT_EQ(Diets().State(), dsEdit);
    EXPECT_EQ(Value(Diets(), "CDDIETDEST"), "0029");

    CancelRow();
    EXPECT_EQ(Diets().State(), dsBrowse);
    EXPECT_EQ(Value(Diets(), "CDDIETDEST"), "0015");
    EXPECT_FALSE(Registered(*Frm().cdsDietaDest, "00060", "0015"));
}

// Posted without leaving the column, a typed row is stored unchecked, but within its pair: a
// row without the pair's codes would drop out of the grid and out of the import.
TEST_F(DietMappingTest, EnterPostsATypedRowUncheckedUnnamedAndInItsPair) {
    WorkOnDietsOf("00010");
    InsertDietRow();
    SelectColumn(Grid(), "CDDIETDEST");
    TypeText("9");
    PressKey(VK_RETURN);
    EXPECT_EQ(Diets().State(), dsBrowse);
    EXPECT_TRUE(Messages().empty());
    ASSERT_EQ(Diets().RecordCount(), 3) << "the row left its pair";
    EXPECT_EQ(Value(Diets(), "CDDIETDEST"), "9");
    EXPECT_EQ(Value(Diets(), "DSDIETDEST"), "");
    EXPECT_EQ(Value(Diets(), "CDSERVORIG"), "00010");
    EXPECT_EQ(Value(Diets(), "CDSERVDEST"), "00060");
}

TEST_F(DietMappingTest, EnterWithCtrlAloneDoesNotPost) {
    WorkOnDietsOf("00010");
    const std::pair<TShiftState, bool> cases[] = {
        {{}, true}, {{ssShift}, true}, {{ssCtrl, ssShift}, true}, {{ssCtrl}, false}};
    for (const auto& [shift, posts] : cases) {
        Perform([&] { Diets().Edit(); });
        SelectColumn(Grid(), "CDDIETORIG");
        PressKey(VK_RETURN, shift);
        EXPECT_EQ(Diets().State(), posts ? dsBrowse : dsEdit);
        if (!posts) CancelRow();
    }
}

TEST_F(DietMappingTest, OriginLookupListsTheDietsOfTheOriginServiceOnly) {
    WorkOnDietsOf("00010");
    lookups_.ChooseWhere("CDDIETPAD", "0002");
    InsertDietRow();
    ClickLookup("CDDIETORIG");
    ASSERT_EQ(lookups_.Shown().size(), 1u);
    EXPECT_EQ(lookups_.Shown()[0].Title, "Dietas Exportadas");
    EXPECT_TRUE(!lookups_.Shown()[0].ShowHiddenFields && lookups_.Shown()[0].Searchable) << "flags false, true";
    EXPECT_EQ(lookups_.Shown()[0].Rows, 2);
    EXPECT_EQ(Diets().State(), dsInsert);
    EXPECT_EQ(Value(Diets(), "CDDIETORIG"), "0002");
    EXPECT_EQ(Value(Diets(), "DSDIETORIG"), "Vegetariana");
    EXPECT_EQ(Value(Diets(), "CDSERVORIG"), "00010");
    EXPECT_FALSE(Frm().cdsDietaOrig->Filtered());
    CancelRow();

    // Typed in another pair, a diet is checked against all of that pair's exported diets.
    WorkOnDietsOf("00002");
    InsertDietRow();
    TypeIntoColumn(Grid(), "CDDIETORIG", "6");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Value(Diets(), "DSDIETORIG"), "Diabética");
    CancelRow();
}

// The destination lookup lists the destination service's diets even before any destination
// check has loaded them, and after a check of another service or one that found nothing.
TEST_F(DietMappingTest, DestinationLookupAlwaysListsTheDestinationServiceDiets) {
    WorkOnDietsOf("00001");
    InsertDietRow();
    TypeIntoColumn(Grid(), "CDDIETDEST", "9");  // a check that found nothing
    CancelRow();

    WorkOnDietsOf("00010");
    Perform([&] { Diets().First(); });
    lookups_.ChooseWhere("CDDIETPAD", "0029");
    ClickLookup("CDDIETDEST");
    ASSERT_EQ(lookups_.Shown().size(), 1u);
    EXPECT_EQ(lookups_.Shown()[0].Title, "Dieta Destino");
    EXPECT_TRUE(!lookups_.Shown()[0].ShowHiddenFields && lookups_.Shown()[0].Searchable) << "flags false, true";
    EXPECT_EQ(lookups_.Shown()[0].Rows, 2);
    EXPECT_EQ(Diets().State(), dsEdit);
    EXPECT_EQ(Value(Diets(), "CDDIETDEST"), "0029");
    EXPECT_EQ(Value(Diets(), "DSDIETDEST"), "VEGETARIANA");
    EXPECT_FALSE(Frm().cdsPesqDietServ->Filtered());
    CancelRow();

    // After a check of this service the list is at hand: no second server call.
    const int calls = busy_.Starts();
    lookups_.ChooseRow(0);
    ClickLookup("CDDIETDEST");
    EXPECT_EQ(busy_.Starts(), calls);
    EXPECT_EQ(lookups_.Shown().back().Rows, 2);
    CancelRow();
}

TEST_F(DietMappingTest, DestinationLookupMatchesAServiceCodeHoldingAQuote) {
    ExecuteSql("INSERT INTO SERVFILI VALUES ('0003', 'L''X', 'Lanche', 'N')");
    ExecuteSql("INSERT INTO SERVDIETA VALUES ('0003', 'L''X', '0007', 'Sem Lactose')");
    Perform([&] {
        TClientDataSet& services = *Frm().cdsServicos;
        services.Edit();
        Set(services, "CDSERVFILIDEST", "L'X");
        services.Post();
    });
    WorkOnDietsOf("00001");
    InsertDietRow();
    lookups_.ChooseRow(0);
    ClickLookup("CDDIETDEST");
    EXPECT_TRUE(Messages().empty());
    ASSERT_EQ(lookups_.Shown().size(), 1u);
    EXPECT_EQ(lookups_.Shown()[0].Rows, 1);
    EXPECT_EQ(Value(Diets(), "DSDIETDEST"), "Sem Lactose");
    EXPECT_EQ(Value(Diets(), "CDSERVDEST"), "L'X");
    CancelRow();
}

TEST_F(DietMappingTest, PickingADietForAPairWithoutDietRowsInsertsARow) {
    WorkOnDietsOf("00011");
    dialogs_.Answer(mrOk);
    dialogs_.Answer(mrOk);
    PressKey(VK_DELETE, {ssCtrl});
    PressKey(VK_DELETE, {ssCtrl});
    ASSERT_TRUE(Diets().IsEmpty());
    lookups_.ChooseWhere("CDDIETPAD", "0001");
    ClickLookup("CDDIETORIG");
    EXPECT_EQ(Diets().State(), dsInsert);
    EXPECT_EQ(Value(Diets(), "DSDIETORIG"), "Normal");
    CancelRow();
}

TEST_F(DietMappingTest, GridPaintsNamesAndTheCodeBeingTyped) {
    WorkOnDietsOf("00010");
    EXPECT_EQ(PaintedTexts(Grid(), "CDDIETORIG"), (std::vector<std::string>{"Normal", "Vegetariana"}));
    SelectColumn(Grid(), "CDDIETDEST");
    TypeText("2");
    ASSERT_TRUE(Grid().EditorMode());
    const std::vector<std::string> destinations = PaintedTexts(Grid(), "CDDIETDEST");
    ASSERT_EQ(destinations.size(), 2u);
    EXPECT_EQ(destinations[0], "0015") << "the selected cell being typed shows its code";
    EXPECT_EQ(destinations[1], "VEGETARIANA");
    // Only that state shows the code: a cell that holds the focus too, or the selected cell with
    // the editor closed, shows the name.
    const int column = IndiceCol(&Grid(), "CDDIETDEST");
    auto painted = [&](TGridDrawState state) {
        Grid().OnDrawColumnCell(&Grid(), Grid().CellRect(column, 0), column, Grid().Columns()[column], state);
        return Grid().OwnCanvas().Records().back().Text;
    };
    EXPECT_EQ(painted({gdSelected}), "0015");
    EXPECT_EQ(painted({gdSelected, gdFocused}), "NORMAL");
    Perform([&] { Grid().SetEditorMode(false); });
    EXPECT_EQ(painted({gdSelected}), "NORMAL");
    CancelRow();
}

}  // namespace
}  // namespace krd52100::testing
