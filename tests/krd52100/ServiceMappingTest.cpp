// The service pairs after a load: post-time checks, column checks, the destination lookup, the
// register of taken destination services, the status line, the narrowing of the dependent
// tables, painting, Enter, cancel, and the lock of the screen while a mapping row is edited.
#include "PairMappingFixture.h"

#include "Session.h"
#include "TLabel.h"
#include "TSpeedButton.h"

namespace krd52100::testing {
namespace {

class ServiceMappingTest : public PairMappingFixture {
protected:
    TClientDataSet& Services() { return *Frm().cdsServicos; }

    // Puts the current service row into edit state with these codes, as any code path may.
    void EditCurrentPair(const std::string& origin, const std::string& destination) {
        Perform([&] {
            Services().Edit();
            Set(Services(), "CDSERVFILIORIG", origin);
            Set(Services(), "CDSERVFILIDEST", destination);
        });
    }

    // Cancels a pending edit, answering Yes to the confirmation, and forgets the dialogs shown.
    void CancelEdit() {
        dialogs_.Answer(mrYes);
        Perform([&] { Services().Cancel(); });
        dialogs_.Clear();
    }

    // A destination service that no proposed pair takes.
    void AddFreeDestination() {
        ExecuteSql("INSERT INTO SERVFILI VALUES ('0003', '00020', 'LANCHE HOSPITALAR', 'S')");
    }

    void ChooseDestinationInLookup(const std::string& service) {
        lookups_.ChooseWhere("CDSERVFILI", service);
        SelectColumn(*Frm().dbgPadrao, "CDSERVFILIDEST");
        Perform([&] { Frm().dbgPadrao->EditButtonClick(); });
    }
};

TEST_F(ServiceMappingTest, RowsPostUncheckedUntilTheImportButtonIsPressed) {
    ASSERT_FALSE(boImporta());
    EditCurrentPair("", "zz");
    PressKey(VK_RETURN);
    EXPECT_EQ(Services().State(), dsBrowse);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Value(Services(), "CDSERVFILIDEST"), "zz");
}

struct PostCase {
    const char* origin;
    const char* destination;
    const char* message;  // "" when the row posts
    const char* focusedField;
};

TEST_F(ServiceMappingTest, PostChecksBothCodesOnceTheImportButtonWasPressed) {
    const PostCase cases[] = {
        {"", "", "", ""},
        {"", "00020", "Serviço origem deve ser informado.", "CDSERVFILIORIG"},
        {"00001", "", "Serviço destino deve ser informado.", "CDSERVFILIDEST"},
        {"52", "00020", "Serviço origem não exportado.", "CDSERVFILIORIG"},  // a destination's code
        {"00001", "00002", "Serviço destino não cadastrado.", "CDSERVFILIDEST"},  // an origin's code
        {"2", "20", "", ""},
    };
    AddFreeDestination();
    boImporta() = true;
    for (const PostCase& c : cases) {
        SCOPED_TRACE(std::string(c.origin) + " -> " + c.destination);
        dialogs_.Clear();
        // Enter from the column that does not fail: the check itself moves the focus.
        const bool originFails = std::string(c.focusedField) == "CDSERVFILIORIG";
        SelectColumn(*Frm().dbgPadrao, originFails ? "CDSERVFILIDEST" : "CDSERVFILIORIG");
        Perform([&] {
            Services().Insert();
            Set(Services(), "CDSERVFILIORIG", c.origin);
            Set(Services(), "CDSERVFILIDEST", c.destination);
        });
        PressKey(VK_RETURN);
        if (*c.message) {
            EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
            EXPECT_EQ(Services().State(), dsInsert);
            EXPECT_EQ(Frm().dbgPadrao->SelectedField()->FieldName(), c.focusedField);
            CancelEdit();
        } else {
            EXPECT_TRUE(Messages().empty());
            EXPECT_EQ(Services().State(), dsBrowse);
        }
    }
    // The last row posted with both codes brought to the stored form and the names filled in.
    EXPECT_EQ(Value(Services(), "CDSERVFILIORIG"), "00002");
    EXPECT_EQ(Value(Services(), "NMSERVICOORIG"), "Almoço Hospitalar");
    EXPECT_EQ(Value(Services(), "CDSERVFILIDEST"), "00020");
    EXPECT_EQ(Value(Services(), "NMSERVICODEST"), "LANCHE HOSPITALAR");
}

TEST_F(ServiceMappingTest, OriginTypedShortOrInAnotherCaseTakesTheCodeAsTheFileHoldsIt) {
    // A file may export codes with letters: one more exported service.
    Perform([&] {
        TClientDataSet& exported = *Frm().cdsServOrigem;
        exported.Append();
        Set(exported, "CDSERVFILI", "LAN1X");
        Set(exported, "NMSERVICO", "Lanche Especial");
        exported.Post();
    });
    struct {
        const char* typed;
        const char* stored;
        const char* name;
    } const cases[] = {
        {"1", "00001", "Desjejum Hospitalar"},
        {" 10 ", "00010", "Almoço Refeitório"},
        {"lan1x", "LAN1X", "Lanche Especial"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EditCurrentPair(c.typed, "00071");
        SelectColumn(*Frm().dbgPadrao, "CDSERVFILIORIG");
        PressKey(VK_TAB);
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(Value(Services(), "CDSERVFILIORIG"), c.stored);
        EXPECT_EQ(Value(Services(), "NMSERVICOORIG"), c.name);
        EXPECT_EQ(Frm().dbgPadrao->SelectedField()->FieldName(), "CDSERVFILIDEST");
        CancelEdit();
    }
}

TEST_F(ServiceMappingTest, LeavingAnEmptyCodeColumnShowsNothing) {
    const int busyStarts = busy_.Starts();
    EditCurrentPair(" ", "");
    SelectColumn(*Frm().dbgPadrao, "CDSERVFILIORIG");
    PressKey(VK_TAB);
    PressKey(VK_TAB, {ssShift});
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(busy_.Starts(), busyStarts) << "no server call";
    CancelEdit();
}

TEST_F(ServiceMappingTest, DestinationWithoutStandardDietsIsRefusedOnlyInTheVUQModule) {
    ExecuteSql("INSERT INTO SERVFILI VALUES ('0003', '00099', 'Lanche Noturno', 'N')");
    for (const char* module : {"VUQ", "KRD"}) {
        SCOPED_TRACE(module);
        Session::Current().ModuleAcronym = module;
        dialogs_.Clear();
        EditCurrentPair("00001", "99");
        SelectColumn(*Frm().dbgPadrao, "CDSERVFILIDEST");
        PressKey(VK_TAB, {ssShift});
        const bool vuq = std::string(module) == "VUQ";
        EXPECT_EQ(Messages(), vuq ? std::vector<std::string>{"Não há Seriço X Dieta Padrão cadastrado."}
                                  : std::vector<std::string>{});
        // Code and name are in the row, also when the message shows.
        EXPECT_EQ(Value(Services(), "CDSERVFILIDEST"), "00099");
        EXPECT_EQ(Value(Services(), "NMSERVICODEST"), "Lanche Noturno");
        EXPECT_EQ(Frm().dbgPadrao->SelectedField()->FieldName(), vuq ? "CDSERVFILIDEST" : "CDSERVFILIORIG");
        CancelEdit();
    }
}

TEST_F(ServiceMappingTest, DestinationLookupListsTheBranchServicesAndPostsTheChoice) {
    AddFreeDestination();
    const int busyStarts = busy_.Starts();
    ChooseDestinationInLookup("00020");
    ASSERT_EQ(lookups_.Shown().size(), 1u);
    EXPECT_EQ(lookups_.Shown()[0].Title, "Serviço");
    EXPECT_TRUE(!lookups_.Shown()[0].ShowHiddenFields && lookups_.Shown()[0].Searchable) << "flags false, true";
    EXPECT_EQ(lookups_.Shown()[0].Rows, 6);
    EXPECT_EQ(Services().State(), dsBrowse);
    EXPECT_EQ(Value(Services(), "CDSERVFILIDEST"), "00020");
    EXPECT_EQ(Value(Services(), "NMSERVICODEST"), "LANCHE HOSPITALAR");
    EXPECT_EQ(busy_.Starts(), busyStarts + 2) << "the list, then the check of the choice";

    // The origin column has no lookup.
    SelectColumn(*Frm().dbgPadrao, "CDSERVFILIORIG");
    Perform([&] { Frm().dbgPadrao->EditButtonClick(); });
    EXPECT_EQ(lookups_.Shown().size(), 1u);

    // Closing the list without a choice changes nothing.
    lookups_.Cancel();
    SelectColumn(*Frm().dbgPadrao, "CDSERVFILIDEST");
    Perform([&] { Frm().dbgPadrao->EditButtonClick(); });
    EXPECT_EQ(Services().State(), dsBrowse);
    EXPECT_EQ(Value(Services(), "CDSERVFILIDEST"), "00020");
}

TEST_F(ServiceMappingTest, ADestinationServiceTakenByAPostedRowIsRefusedForAnother) {
    boImporta() = true;
    GoToPair("00002");
    ChooseDestinationInLookup("00052");  // posted: 00052 is taken
    ASSERT_TRUE(Messages().empty());

    GoToPair("00001");
    ChooseDestinationInLookup("00052");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Serviço destino já informado."});
    EXPECT_EQ(Services().State(), dsEdit);
    CancelEdit();

    // The row that holds it may keep it.
    dialogs_.Clear();
    GoToPair("00002");
    ChooseDestinationInLookup("00052");
    EXPECT_TRUE(Messages().empty());

    // Deleting that row frees it.
    Perform([&] { Services().Delete(); });
    GoToPair("00001");
    ChooseDestinationInLookup("00052");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Value(Services(), "CDSERVFILIDEST"), "00052");
}

// A load's proposed pairs take their destinations; what rows of an earlier load took is free.
TEST_F(ServiceMappingTest, ALoadTakesTheDestinationsOfItsProposalOnly) {
    AddFreeDestination();
    GoToPair("00002");
    ChooseDestinationInLookup("00020");
    ASSERT_TRUE(Messages().empty());

    LoadDemoFileIntoDestination();
    GoToPair("00001");
    ChooseDestinationInLookup("00052");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Serviço destino já informado."});
    CancelEdit();
    ChooseDestinationInLookup("00020");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Services().State(), dsBrowse);
}

TEST_F(ServiceMappingTest, StatusLineShowsTheCurrentPair) {
    EXPECT_EQ(Frm().lblServAtual->Caption(), "Origem: Desjejum Hospitalar --> Destino: DESJEJUM HOSPITALAR");
    PressKey(VK_DOWN);
    EXPECT_EQ(Frm().lblServAtual->Caption(), "Origem: Almoço Hospitalar --> Destino: ALMOCO HOSPITALAR");
}

TEST_F(ServiceMappingTest, ScrollingNarrowsTheDependentTablesOnlyOnTheirTabs) {
    TfrmIntegraCardapio& frm = Frm();
    const std::string dietFilter = frm.cdsDietas->Filter(), dishTypeFilter = frm.cdsTipoPrat->Filter();
    Focus(*frm.dbgPadrao);
    PressKey(VK_DOWN);
    EXPECT_EQ(frm.cdsDietas->Filter(), dietFilter);
    EXPECT_EQ(frm.cdsTipoPrat->Filter(), dishTypeFilter);

    frm.pgcPadrao->SetActivePage(frm.tshDieta);
    GoToPair("00010");
    EXPECT_EQ(frm.cdsDietas->Filter(), "CDSERVORIG = '00010' AND CDSERVDEST = '00060'");
    EXPECT_TRUE(frm.cdsDietas->Filtered());
    EXPECT_EQ(frm.cdsDietas->RecordCount(), 2);
    EXPECT_EQ(frm.cdsTipoPrat->Filter(), dishTypeFilter);

    frm.pgcPadrao->SetActivePage(frm.tshConfig);
    GoToPair("00003");
    EXPECT_EQ(frm.cdsTipoPrat->Filter(), "CDSERVORIG = '00003' AND CDSERVDEST = '00038'");
    EXPECT_TRUE(frm.cdsTipoPrat->Filtered());
    EXPECT_EQ(frm.cdsDietas->Filter(), "CDSERVORIG = '00010' AND CDSERVDEST = '00060'");
}

// A code holding a quote is matched as it stands; one ending in '*' is not a prefix.
TEST_F(ServiceMappingTest, PairFilterMatchesCodesHoldingQuotesOrStarsExactly) {
    TfrmIntegraCardapio& frm = Frm();
    const std::pair<const char*, const char*> cases[] = {
        {"A'B", "CDSERVORIG = '00001' AND CDSERVDEST = 'A''B'"},
        {"'", "CDSERVORIG = '00001' AND CDSERVDEST = ''''"},
        {"A*", "CDSERVORIG = '00001' AND CDSERVDEST = 'A*'"},
    };
    Perform([&] {
        for (const char* destination : {"A'B", "A'BC", "'", "A*", "AB"}) {
            frm.cdsDietas->Append();
            Set(*frm.cdsDietas, "CDSERVORIG", "00001");
            Set(*frm.cdsDietas, "CDSERVDEST", destination);
            Set(*frm.cdsDietas, "CDDIETORIG", "0001");
            frm.cdsDietas->Post();
        }
    });
    frm.pgcPadrao->SetActivePage(frm.tshDieta);
    for (const auto& [destination, filter] : cases) {
        SCOPED_TRACE(destination);
        EditCurrentPair("00001", destination);
        Perform([&] { Services().Post(); });
        GoToPair("00001");
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(frm.cdsDietas->Filter(), filter);
        ASSERT_EQ(frm.cdsDietas->RecordCount(), 1);
        EXPECT_EQ(Value(*frm.cdsDietas, "CDSERVDEST"), destination);
    }
}

TEST_F(ServiceMappingTest, EmptyServiceTableTakesTheDietLookupsAwayAndBlanksTheStatusLine) {
    TfrmIntegraCardapio& frm = Frm();
    Perform([&] {
        while (!Services().IsEmpty()) Services().Delete();
    });
    EXPECT_EQ(frm.lblServAtual->Caption(), "");
    EXPECT_FALSE(frm.dbgDieta->Options().Contains(dgEditing));
    for (const char* field : {"CDDIETORIG", "CDDIETDEST"})
        EXPECT_EQ(frm.dbgDieta->Columns()[IndiceCol(frm.dbgDieta, field)]->ButtonStyle(), cbsNone) << field;
    // Deleting service rows deletes no diet or dish-type row.
    EXPECT_EQ(frm.cdsDietas->RecordCount(), 22);
    EXPECT_GT(frm.cdsTipoPrat->RecordCount(), 0);
}

TEST_F(ServiceMappingTest, GridPaintsNamesInPlaceOfCodesAndBlankForNoCode) {
    TfrmIntegraCardapio& frm = Frm();
    GoToPair("00002");
    // No destination code, a name left over: the cell stays blank.
    Perform([&] {
        Services().Edit();
        Set(Services(), "CDSERVFILIDEST", "");
        Services().Post();
    });
    const std::vector<std::string> origins = PaintedTexts(*frm.dbgPadrao, "CDSERVFILIORIG");
    const std::vector<std::string> destinations = PaintedTexts(*frm.dbgPadrao, "CDSERVFILIDEST");
    ASSERT_EQ(origins.size(), 5u);
    EXPECT_EQ(origins[0], "Desjejum Hospitalar");
    EXPECT_EQ(origins[4], "Ceia Refeitório");
    ASSERT_EQ(destinations.size(), 5u);
    EXPECT_EQ(destinations[1], "");
    EXPECT_EQ(destinations[3], "ALMOCO REFEITORIO");
}

// Any change of a mapping table back to browse state frees the import button, the exit button
// and the other tabs; edit or insert state locks them. The active tab keeps its state.
TEST_F(ServiceMappingTest, EditingAMappingRowLocksImportExitAndTheOtherTabs) {
    TfrmIntegraCardapio& frm = Frm();
    struct LockCase {
        TTabSheet98* page;
        TClientDataSet* table;
    };
    const LockCase cases[] = {{frm.tshPadrao, frm.cdsServicos}, {frm.tshDieta, frm.cdsDietas},
                              {frm.tshConfig, frm.cdsTipoPrat}};
    frm.sbtImportExport->SetEnabled(false);  // as a load whose first pair has no destination leaves it
    for (const LockCase& c : cases) {
        SCOPED_TRACE(c.page->Caption());
        frm.pgcPadrao->SetActivePage(c.page);
        Perform([&] { c.table->Edit(); });
        EXPECT_FALSE(frm.sbtImportExport->Enabled());
        EXPECT_FALSE(frm.sbtSair->Enabled());
        for (TTabSheet98* tab : {frm.tshPadrao, frm.tshDieta, frm.tshConfig})
            EXPECT_EQ(tab->Enabled(), tab == c.page) << tab->Caption();
        Perform([&] { c.table->Post(); });
        EXPECT_TRUE(frm.sbtImportExport->Enabled());
        EXPECT_TRUE(frm.sbtSair->Enabled());
        for (TTabSheet98* tab : {frm.tshPadrao, frm.tshDieta, frm.tshConfig}) EXPECT_TRUE(tab->Enabled());
    }
}

}  // namespace
}  // namespace krd52100::testing
