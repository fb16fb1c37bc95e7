// The diets of a service pair, typed and picked in the diet grid: checks against the file and
// the server when a column is left, the registers of mapped diets, the two lookups, painting,
// delete and cancel.
#include "PairMappingFixture.h"

#include "LookupDialog.h"
#include "TDialogService.h"

#include <random>

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
    static bool Editing(const TDataSet& table) { return table.State() == dsEdit || table.State() == dsInsert; }

    // Loads the demo file again into the destination branch, with one diet more, 0107, for its
    // hospital lunch 00052 (the pair of 00002): a diet that no proposed row maps.
    void LoadWithAFreeDestinationDiet() {
        ExecuteSql("INSERT INTO SERVDIETA VALUES ('0003', '00052', '0107', 'Sem Lactose')");
        LoadDemoFileIntoDestination();
        ASSERT_EQ(Value(*Frm().cdsServicos, "CDSERVFILIDEST"), "00071");
    }

    // The destination diet that the posted row of the pair's origin diet holds.
    std::string PostedDestination(const std::string& service, const std::string& origin) {
        const DataPacket rows = Diets().GetData().AsPacket();
        for (size_t row = 0; row < rows.Rows.size(); ++row)
            if (rows.Value(row, "CDSERVORIG").AsString() == service &&
                rows.Value(row, "CDDIETORIG").AsString() == origin)
                return rows.Value(row, "CDDIETDEST").AsString();
        return "no row";
    }
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
        Perform([&] { Diets().Locate("CDDIETORIG", Variant(c.stored)); });  // the row that holds it
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
    Perform([&] { Diets().Last(); });  // 0002 Vegetariana, which it keeps below
    const int busyStarts = busy_.Starts();
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

    WorkOnDietsOf("00011");
    dialogs_.Answer(mrOk);  // the grid's own "delete record?": the row that maps 0001 goes
    PressKey(VK_DELETE, {ssCtrl});
    dialogs_.Clear();
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
    PressKey(VK_RETURN);  // the post checks it again
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Diets().State(), dsInsert);
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

TEST_F(DietMappingTest, ACancelledEditTakesItsPairsBack) {
    WorkOnDietsOf("00010");
    PostCurrentRow();
    TypeIntoColumn(Grid(), "CDDIETDEST", "29");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Dieta Destino já cadastrado(a)."}) << "0029 is taken";
    CancelRow();
    EXPECT_EQ(Diets().State(), dsBrowse);
    EXPECT_EQ(Value(Diets(), "CDDIETDEST"), "0015");
    EXPECT_TRUE(Registered(*Frm().cdsDietaDest, "00060", "0015"));
}

// Posted without leaving the column, a typed row is checked and stored within its pair: a row
// without the pair's codes would drop out of the grid and out of the import.
TEST_F(DietMappingTest, EnterPostsATypedRowCheckedNamedAndInItsPair) {
    WorkOnDietsOf("00010");
    dialogs_.Answer(mrOk);  // the row of 0001 goes, so that 0001 is free
    PressKey(VK_DELETE, {ssCtrl});
    InsertDietRow();
    SelectColumn(Grid(), "CDDIETORIG");
    TypeText("1");
    PressKey(VK_RETURN);
    EXPECT_EQ(Diets().State(), dsBrowse);
    EXPECT_EQ(Messages().size(), 1u) << "only the delete question";
    ASSERT_EQ(Diets().RecordCount(), 2) << "the row left its pair";
    EXPECT_EQ(Value(Diets(), "CDDIETORIG"), "0001");
    EXPECT_EQ(Value(Diets(), "DSDIETORIG"), "Normal");
    EXPECT_EQ(Value(Diets(), "CDSERVORIG"), "00010");
    EXPECT_EQ(Value(Diets(), "CDSERVDEST"), "00060");
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
    Perform([&] { Diets().Last(); });  // 0006, which it keeps
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

// However the user leaves a typed diet, the post that it makes checks the code: a refused code
// is never stored, and the row never shows the name of the code it replaced.
TEST_F(DietMappingTest, EveryWayOfLeavingARowChecksTheDietTypedInIt) {
    LoadWithAFreeDestinationDiet();
    const std::pair<const char*, std::function<void()>> leaving[] = {
        {"Tab past the last column", [&] { PressKey(VK_TAB); }},
        {"Down", [&] { PressKey(VK_DOWN); }},
        {"Up", [&] { PressKey(VK_UP); }},
        {"Enter", [&] { PressKey(VK_RETURN); }},
        {"click on another row", [&] { Perform([&] { Grid().ClickCell(IndiceCol(&Grid(), "CDDIETDEST"), 0); }); }},
    };
    for (const auto& [how, leave] : leaving) {
        SCOPED_TRACE(how);
        dialogs_.Clear();
        WorkOnDietsOf("00002");
        Perform([&] { Diets().Locate("CDDIETORIG", Variant("0004")); });  // Líquida
        const std::string posted = PostedDestination("00002", "0004");
        SelectColumn(Grid(), "CDDIETDEST");
        TypeText("99");
        leave();
        EXPECT_EQ(Messages(), std::vector<std::string>{"Dieta não cadastrada para o servico informado."});
        EXPECT_EQ(Diets().State(), dsEdit);
        EXPECT_EQ(Value(Diets(), "CDDIETORIG"), "0004") << "the row was left";
        EXPECT_EQ(Value(Diets(), "DSDIETDEST"), "") << "the name of the code replaced";
        EXPECT_EQ(PostedDestination("00002", "0004"), posted);
        CancelRow();

        SelectColumn(Grid(), "CDDIETDEST");
        TypeText("107");
        leave();
        EXPECT_EQ(Diets().State(), dsBrowse);
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(PostedDestination("00002", "0004"), "0107");
    }
}

// Confirmations and lookups answered at random, with a generator of fixed seed.
class RandomAnswers : public TDialogService, public LookupDialogService {
public:
    explicit RandomAnswers(std::mt19937& random) : random_(random) {}
    int MessageDlg(const std::string&, TMsgDlgType, TMsgDlgButtons buttons, int) override {
        const bool yes = random_() % 3 != 0;
        if (buttons.Contains(mbYes)) return yes ? mrYes : mrNo;
        return buttons.Contains(mbCancel) && !yes ? mrCancel : mrOk;
    }
    bool ExecuteOpen(TOpenDialog&) override { return false; }
    int Choose(const LookupRequest& request) override {
        const int rows = request.DataSet->DisplayRowCount();
        return rows == 0 || random_() % 4 == 0 ? -1 : static_cast<int>(random_() % rows);
    }

private:
    std::mt19937& random_;
};

// The keys that a register holds, and the keys that the posted rows of its table take
// (mapping/TakenRegisters.h), each as sorted "a/b/c" texts.
std::vector<std::string> Keys(const TakenRegister& rule, const std::vector<std::vector<Variant>>& entries) {
    std::vector<std::string> keys;
    for (const auto& entry : entries) {
        std::string key;
        for (size_t i = 0; i < rule.keySize; ++i) key += entry[i].AsString() + "/";
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<std::string> HeldKeys(const TakenRegister& rule, const DataPacket& held) {
    std::vector<std::vector<Variant>> entries;
    for (const PacketRow& row : held.Rows) {
        entries.emplace_back();
        for (const auto& [registerField, rowField] : rule.fields)
            entries.back().push_back(row.Values[*held.FieldIndex(registerField)]);
    }
    return Keys(rule, entries);
}

// Whatever keys, clicks, lookups, cancels and deletes came before, each register holds what the
// posted rows of its table take (a table with a row being edited is looked at once it is done).
TEST_F(DietMappingTest, RegistersStayInStepWithThePostedRowsThroughRandomGestures) {
    LoadWithAFreeDestinationDiet();
    TfrmIntegraCardapio& frm = Frm();
    const auto expectInStep = [&](const std::string& after) {
        for (const TakenRegister& rule : TakenRegisters()) {
            auto& table = dynamic_cast<TClientDataSet&>(*frm.FindComponent(rule.table));
            auto& taken = dynamic_cast<TClientDataSet&>(*frm.FindComponent(rule.name));
            if (Editing(table)) continue;
            ASSERT_EQ(HeldKeys(rule, taken.GetData().AsPacket()),
                      Keys(rule, EntriesOf(rule, table.GetData().AsPacket())))
                << rule.name << " after " << after;
        }
    };
    std::mt19937 random;
    const auto any = [&](const auto& choices) { return choices[random() % std::size(choices)]; };
    const auto grid = [&]() -> TDBGrid& {
        const TTabSheet* page = frm.pgcPadrao->ActivePage();
        return page == frm.tshConfig ? *frm.dbgTipoPrat : page == frm.tshDieta ? *frm.dbgDieta : *frm.dbgPadrao;
    };
    const auto anyColumn = [&] { Perform([&] { grid().SetSelectedIndex(int(random() % grid().Columns().Count())); }); };
    TTabSheet98* const tabs[] = {frm.tshPadrao, frm.tshDieta, frm.tshConfig};
    const char* const origins[] = {"00001", "00002", "00010"};
    // Origin codes, and the destination branch's own: diets 0017 and 0029, service 00060, dish
    // types 06 and 09 (typed as "6" and "9"), and the free diet 0107.
    const char* const codes[] = {"1", "2", "4", "6", "9", "17", "29", "60", "107"};
    const Word keys[] = {VK_TAB, VK_DOWN, VK_UP, VK_RETURN, VK_INSERT};
    const TShiftState shifts[] = {{}, {}, {ssShift}, {ssCtrl}};
    const std::pair<const char*, std::function<void()>> gestures[] = {
        {"tab", [&] { Perform([&] { frm.pgcPadrao->ClickTab(any(tabs)); }); }},
        {"pair", [&] { Perform([&] { frm.cdsServicos->Locate("CDSERVFILIORIG", Variant(any(origins))); }); }},
        {"typing", [&] { Focus(grid()); anyColumn(); TypeText(any(codes)); PressKey(any(keys), any(shifts)); }},
        {"key", [&] { Focus(grid()); PressKey(any(keys), any(shifts)); }},
        {"delete", [&] { Focus(grid()); PressKey(VK_DELETE, {ssCtrl}); }},
        {"cancel", [&] { Perform([&] { grid().DataSet()->Cancel(); }); }},
        {"edit", [&] { Perform([&] { grid().DataSet()->Edit(); }); }},
        {"lookup", [&] { anyColumn(); Perform([&] { grid().EditButtonClick(); }); }},
        {"mark", [&] { Focus(grid()); PressKey(VK_SPACE, any(shifts)); }},
    };
    RandomAnswers answers(random);
    Application->SetDialogService(&answers);
    LookupDialogService* scripted = InstallLookupDialogService(&answers);
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        random.seed(seed);
        for (int step = 0; step < 150 && !HasFatalFailure(); ++step) {
            const auto& [name, gesture] = any(gestures);
            gesture();
            expectInStep(std::string(name) + " (seed " + std::to_string(seed) + ", step " + std::to_string(step) + ")");
        }
        for (TDataSet* table : {frm.cdsServicos, frm.cdsDietas, frm.cdsTipoPrat})
            Perform([&] { if (Editing(*table)) table->Post(); });
        expectInStep("the last posts");
    }
    InstallLookupDialogService(scripted);
    Application->SetDialogService(&dialogs_);
}

}  // namespace
}  // namespace krd52100::testing
