// The configuration tab against the real server on the demo company: the destination date's
// weekday, the rebuild of the destination dish types by name (matching, the slot rule, the
// services cursor, a configuration call failing halfway) and what a tab change prepares.
#include "DishTypeScreen.h"

#include "Answer.h"
#include "ControlRoutines.h"
#include "EmbeddedTransport.h"
#include "ApplicationServer.h"
#include "Keys.h"
#include "TDateEditPlus.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"

namespace krd52100::testing {
namespace {

class DishTypeConfigurationTest : public DishTypeScreen {
protected:
    void SetUp() override {
        DishTypeScreen::SetUp();
        LoadAndOpen();
    }
    void TypeDate(const std::string& text) {
        TfrmIntegraCardapio& frm = Frm();
        Focus(*frm.depDestino);
        frm.depDestino->SelectAll();
        if (text.empty())
            PressKey(VK_DELETE);
        else
            TypeText(text);
    }
    // The user leaves the date panel for the dish-type grid: the rebuild.
    void LeaveDatePanel() { Focus(*Frm().dbgTipoPrat); }

    void RenameConfiguration(const std::string& service, const std::string& code, const std::string& name) {
        ExecuteSql("UPDATE CNFCARDAPIO SET NMTIPOPRAT = '" + name + "' WHERE CDFILIAL = '" + kDestinationBranch +
                   "' AND CDSERVFILI = '" + service + "' AND CDTIPOPRAT = '" + code + "'");
    }
    std::string Current(const char* field) { return Frm().cdsServicos->FieldByName(field)->AsString(); }

    std::unique_ptr<appserver::ApplicationServer> failingServer_;
};

TEST_F(DishTypeConfigurationTest, WeekdayIsTheSessionsAbbreviatedNameNotTheDateEditsAndNoneForNoDate) {
    ShowConfig();
    TypeDate("07/03/2025");  // a Friday
    EXPECT_EQ(Frm().edtDiaSemDest->Text(), "sex");
    LeaveDatePanel();
    EXPECT_EQ(Frm().depDestino->Text(), "07/03/2025");
    EXPECT_EQ(Frm().edtDiaSemDest->Text(), "sex");
    EXPECT_EQ(Frm().depDestino->WeekdayName(), "Sexta");
    TypeDate("07/03");
    EXPECT_EQ(Frm().edtDiaSemDest->Text(), "");
}

TEST_F(DishTypeConfigurationTest, EmptyDateIsRefusedAndChangesNothing) {
    ShowConfig();
    TypeDate("");
    RenameConfiguration(kHospitalThere, "23", "Acompanhamento");
    const auto before = Frm().cdsTipoPrat->GetData().AsPacket();
    const int calls = busy_.Starts();
    LeaveDatePanel();
    EXPECT_EQ(Messages().back(), "Data Destino deve ser informada.");
    EXPECT_EQ(busy_.Starts(), calls) << "no configuration call";
    EXPECT_EQ(Frm().cdsTipoPrat->GetData().AsPacket().Rows, before.Rows);
}

TEST_F(DishTypeConfigurationTest, MatchingIgnoresCaseAccentsAndTheOriginsOuterBlanks) {
    // The destination configuration calls it "GUARNIÇÃO".
    SetRow(kHospital, 4, "03", {{"NMTIPOORIG", Variant(" guarnição ")}, {"CDTIPODEST", Variant()}});
    ShowConfig();
    const auto row = Row(kHospital, 4, "03");
    EXPECT_EQ(row.at("CDTIPODEST").AsString(), "23");
    EXPECT_EQ(row.at("NMTIPODEST").AsString(), "GUARNIÇÃO");
    EXPECT_EQ(row.at("NRSEQDEST").AsInteger(), 4);
    EXPECT_EQ(row.at("NRORDDEST").AsInteger(), 4);
}

TEST_F(DishTypeConfigurationTest, NameNotListedKeepsOnlyTheDestinationService) {
    RenameConfiguration(kHospitalThere, "31", "Suco");
    ShowConfig();
    const auto row = Row(kHospital, 6, "05");
    EXPECT_EQ(row.at("CDSERVDEST").AsString(), kHospitalThere);
    for (const char* field : {"CDTIPODEST", "NMTIPODEST", "NRSEQDEST", "NRORDDEST"})
        EXPECT_TRUE(row.at(field).IsNull()) << field;
    EXPECT_EQ(row.at("IDIMPORTAR").AsString(), "S") << "the mark is not the rebuild's";
}

TEST_F(DishTypeConfigurationTest, OneSlotTakesADestinationDishTypeOnceAndOtherSlotsShareIt) {
    // Entrada moves into slot 2 under the name of the main dish: two origin dish types, 01 and
    // 02, in one slot with one matching name.
    SetRow(kHospital, 1, "01", {{"NRSEQORIG", Variant(2)}, {"NMTIPOORIG", Variant("Prato Principal")}});
    SetRow(kHospital, 2, "02", {{"CDTIPODEST", Variant("77")}, {"NMTIPODEST", Variant("Antigo")}});
    ShowConfig();
    EXPECT_EQ(Row(kHospital, 2, "01").at("CDTIPODEST").AsString(), "06") << "lower code first in the slot";
    const auto second = Row(kHospital, 2, "02");
    EXPECT_EQ(second.at("CDTIPODEST").AsString(), "77") << "the second of the slot keeps what it held";
    EXPECT_EQ(second.at("NMTIPODEST").AsString(), "Antigo");
    // Slot 3 carries the same name and the same destination dish type, with its own sequence.
    const auto option = Row(kHospital, 3, "02");
    EXPECT_EQ(option.at("CDTIPODEST").AsString(), "06");
    EXPECT_EQ(option.at("NRSEQDEST").AsInteger(), 3);
}

TEST_F(DishTypeConfigurationTest, RebuildReturnsToTheServiceTheUserWasOnAndNarrowsToItsPair) {
    Application->Perform([&] { Frm().cdsServicos->MoveBy(2); });
    ShowConfig();
    TfrmIntegraCardapio& frm = Frm();
    EXPECT_EQ(Current("CDSERVFILIORIG"), kDinner);
    EXPECT_EQ(frm.cdsTipoPrat->Filter(), "CDSERVORIG = '00003' AND CDSERVDEST = '00038'");
    EXPECT_TRUE(frm.cdsTipoPrat->Filtered());
    EXPECT_EQ(frm.cdsTipoPrat->IndexName(), "TIPOORD");
    EXPECT_FALSE(frm.cdsTipoPrat->ControlsDisabled());
    EXPECT_FALSE(frm.cdsServicos->ControlsDisabled());
    EXPECT_EQ(frm.lblServAtual->Caption(), "Origem: Jantar Hospitalar --> Destino: JANTAR HOSPITALAR");
}

TEST_F(DishTypeConfigurationTest, PairsWithoutDestinationAreToldApartByTheirOrigin) {
    for (const char* table : {"SERVDIETA", "CNFCARDAPIO", "SERVFILI"})
        ExecuteSql(std::string("DELETE FROM ") + table +
                   " WHERE CDFILIAL = '0003' AND CDSERVFILI IN ('00060', '00047')");
    LoadDemoFileIntoDestination();
    Application->Perform([&] { Frm().cdsServicos->Last(); });
    ASSERT_EQ(Current("CDSERVFILIDEST"), "");
    ShowConfig();
    EXPECT_EQ(Current("CDSERVFILIORIG"), "00011");
    const auto row = Row("00011", 1, "01");
    EXPECT_EQ(row.at("CDSERVDEST").AsString(), "") << "an empty service code still gets its call";
    EXPECT_TRUE(row.at("CDTIPODEST").IsNull());
}

TEST_F(DishTypeConfigurationTest, FailingConfigurationCallStopsAtItsServiceWithEverythingRestored) {
    for (const char* service : {kHospitalThere, kLunchThere, kDinnerThere}) RenameConfiguration(service, "14", "Outro");
    RenameConfiguration("00060", "18", "Outro");
    // The real server on the same store, with the call for the dinner service failing.
    failingServer_ = std::make_unique<appserver::ApplicationServer>(
        appserver::ServerConfig{(Folder() / "empresa.db").string(), {Folder()}});
    InstallEmbeddedDispatcher([this](const std::string& method, const Variant::Array& args) {
        if (method == "GetPesqTipoPrat" && args[1].AsString() == kDinnerThere)
            return appserver::Answer::Failure("Falhou.");
        return failingServer_->Dispatch(method, args);
    });
    ShowConfig();
    TfrmIntegraCardapio& frm = Frm();
    EXPECT_EQ(Messages().back(), "Falhou.");
    EXPECT_TRUE(Row(kHospital, 1, "01").at("CDTIPODEST").IsNull()) << "rebuilt before the failure";
    EXPECT_TRUE(Row(kLunch, 1, "01").at("CDTIPODEST").IsNull()) << "rebuilt before the failure";
    EXPECT_EQ(Row(kDinner, 1, "01").at("CDTIPODEST").AsString(), "14") << "the failing service is untouched";
    EXPECT_EQ(Row("00010", 1, "01").at("CDTIPODEST").AsString(), "18") << "later services are untouched";
    EXPECT_EQ(frm.cdsTipoPrat->IndexName(), "TIPOORD");
    EXPECT_FALSE(frm.cdsTipoPrat->ControlsDisabled());
    EXPECT_FALSE(frm.cdsServicos->ControlsDisabled());
    EXPECT_EQ(Current("CDSERVFILIORIG"), kDinner) << "the cursor stays on the failing service";
    EXPECT_EQ(frm.cdsTipoPrat->Filter().rfind("CDSERVORIG = '00003'", 0), 0u) << frm.cdsTipoPrat->Filter();
}

// A failure halfway through a row's changes leaves that row to the restore of the display order,
// which posts it: the registers hold what the posted rows take, none of that row's old entries.
TEST_F(DishTypeConfigurationTest, FailureInsideARowLeavesTheRegistersInStepWithThePostedRows) {
    LoadAndOpen();
    RenameConfiguration(kDinnerThere, "14", "Outro");  // the dinner's Entrada loses its destination
    const auto origins = OriginEntries();
    auto destinations = DestinationEntries();
    bool failed = false;
    Frm().cdsTipoPrat->FieldByName("NMTIPODEST")->OnValidate = [&](TField* field) {
        if (failed || field->DataSet()->FieldByName("CDSERVORIG")->AsString() != kDinner) return;
        failed = true;
        throw EDatabaseError("Falhou.");
    };
    ShowConfig();
    ASSERT_TRUE(failed);
    EXPECT_EQ(Messages().back(), "Falhou.");
    EXPECT_TRUE(Row(kDinner, 1, "01").at("CDTIPODEST").IsNull());
    std::erase(destinations, std::string(kDinnerThere) + "/14/1");
    EXPECT_EQ(DestinationEntries(), destinations);
    EXPECT_EQ(OriginEntries(), origins);
}

TEST_F(DishTypeConfigurationTest, ConfigTabWithoutRowsChecksNoDateAndOffersNoLookups) {
    TfrmIntegraCardapio& frm = Frm();
    Application->Perform([&] {
        DataPacket none = frm.cdsTipoPrat->GetData().AsPacket();
        none.Rows.clear();
        frm.cdsTipoPrat->SetData(none);
        frm.depDestino->SetText("");
    });
    const int calls = busy_.Starts();
    ShowConfig();
    EXPECT_TRUE(Messages().empty()) << "no date check";
    EXPECT_EQ(busy_.Starts(), calls) << "no rebuild";
    TDBGrid& grid = *frm.dbgTipoPrat;
    for (const char* field : {"CDTIPOORIG", "CDTIPODEST"})
        EXPECT_EQ(grid.Columns()[IndiceCol(&grid, field)]->ButtonStyle(), cbsNone) << field;
    EXPECT_FALSE(grid.Options().Contains(dgEditing));
}

TEST_F(DishTypeConfigurationTest, DietTabNarrowsTheDietsToThePairAndEveryTabSetsTheStatusLine) {
    TfrmIntegraCardapio& frm = Frm();
    Application->Perform([&] { frm.cdsServicos->Next(); });
    ShowTab(frm.tshDieta);
    EXPECT_EQ(frm.cdsDietas->Filter(), "CDSERVORIG = '00002' AND CDSERVDEST = '00052'");
    EXPECT_EQ(frm.cdsDietas->RecordCount(), 6);
    ShowTab(frm.tshPadrao);
    EXPECT_EQ(frm.lblServAtual->Caption(), "Origem: Almoço Hospitalar --> Destino: ALMOCO HOSPITALAR");
}

TEST_F(DishTypeScreen, TabChangesBeforeAnyLoadNarrowNothing) {
    OpenScreen();
    ShowTab(Frm().tshDieta);
    EXPECT_FALSE(Frm().cdsDietas->Filtered());
    ShowTab(Frm().tshConfig);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(busy_.Starts(), 0) << "no rebuild";
}

}  // namespace
}  // namespace krd52100::testing
