// The load and the import through the real application server: the tables the load fills, the
// import's answers (success and both period conflicts, provoked by real earlier imports), what
// the server received, and the state of the controls after every kind of end.
#include "IntegrationFiles.h"
#include "ScreenFixture.h"

#include "Answer.h"
#include "ControlRoutines.h"
#include "DataPacket.h"
#include "EmbeddedTransport.h"
#include "ApplicationServer.h"
#include "TApplication.h"
#include "TBtnPesquisa.h"
#include "TClientDataSet.h"
#include "TColumn.h"
#include "TCustomPageControl98.h"
#include "TEdit.h"
#include "TField.h"
#include "TLabel.h"
#include "TMaskEdit.h"
#include "TSpeedButton.h"
#include "TTabSheet98.h"

#include <functional>

namespace krd52100::testing {
namespace {

const std::string kSuccess = "Importação realizada com sucesso!";

class MenuExchangeTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        OpenScreen();
    }

    // Every row of the table, whatever filter it has.
    static size_t Rows(TClientDataSet& table) { return table.GetData().AsPacket().Rows.size(); }
    std::string Count(const std::string& query) { return StoreQuery("SELECT COUNT(*) FROM " + query); }
    bool Loaded() { return Frm().cdsServicos->Active(); }
    std::string CurrentDestination() { return Frm().cdsServicos->FieldByName("CDSERVFILIDEST")->AsString(); }

    // The file and branch controls can be used again, and the branch name is still display-only.
    void ExpectFilterUsable() {
        TfrmIntegraCardapio& frm = Frm();
        EXPECT_TRUE(frm.medNmArquivo->Enabled());
        EXPECT_TRUE(frm.sbtArquivo->Enabled());
        EXPECT_TRUE(frm.medCdFilial->Enabled());
        EXPECT_TRUE(frm.sbtFilial->Enabled());
        EXPECT_FALSE(frm.edtNmFilial->Enabled());
    }
    void ExpectServicesGridReadOnly() {
        TDBGrid& grid = *Frm().dbgPadrao;
        for (const char* field : {"CDSERVFILIORIG", "CDSERVFILIDEST"})
            EXPECT_EQ(grid.Columns()[IndiceCol(&grid, field)]->ButtonStyle(), cbsNone) << field;
        EXPECT_FALSE(grid.Options().Contains(dgEditing));
    }
    // Another user imports `file` into the branch, through the server alone, with the mapping the
    // server proposes.
    void ImportBehindTheScreen(const std::string& file) {
        const Variant proposal = ServerPayload("ImportaCardapio", {file, "OUTRO", kDestinationBranch, {}, {}, {}});
        const Variant answer =
            ServerPayload("ImportaCardapio", {file, "OUTRO", kDestinationBranch, proposal[2], proposal[3], proposal[4]});
        ASSERT_EQ(answer[0].AsString(), "OK");
    }
};

TEST_F(MenuExchangeTest, LoadFillsTheSixTablesAndOpensTheTabs) {
    TfrmIntegraCardapio& frm = Frm();
    EXPECT_FALSE(frm.tshDieta->Enabled());
    EXPECT_FALSE(frm.tshConfig->Enabled());

    LoadDemoFileIntoDestination();
    EXPECT_TRUE(Messages().empty());
    for (TClientDataSet* table : {frm.cdsServicos, frm.cdsDietas, frm.cdsTipoPrat, frm.cdsServOrigem, frm.cdsDietaOrig,
                                  frm.cdsTipoPratOrig}) {
        EXPECT_TRUE(table->Active()) << table->Name();
        EXPECT_GT(Rows(*table), 0u) << table->Name();
    }
    EXPECT_EQ(Rows(*frm.cdsServicos), 5u);
    EXPECT_EQ(Rows(*frm.cdsServOrigem), 5u);
    EXPECT_TRUE(frm.tshDieta->Enabled());
    EXPECT_TRUE(frm.tshConfig->Enabled());
    EXPECT_FALSE(boImporta());
    EXPECT_EQ(busy_.LastText(), "Importando...");
    EXPECT_EQ(busy_.LastKind(), 6);
    EXPECT_EQ(RememberedFile(), DemoFile().string());
    ExpectServicesGridReadOnly();
    ExpectFilterUsable();
    EXPECT_NE(CurrentDestination(), "");
    EXPECT_TRUE(frm.sbtImportExport->Enabled());
    EXPECT_EQ(Count("LOGIMPORTACAO"), "0") << "a load writes no menu";
}

TEST_F(MenuExchangeTest, CurrentPairWithoutDestinationLeavesTheImportButtonDisabled) {
    // Branch 0003 registers its services under codes of its own; its breakfast gets another name,
    // so the load proposes no destination for the file's first service.
    ExecuteSql("UPDATE SERVFILI SET NMSERVICO = 'Lanche' WHERE CDFILIAL = '0003' AND CDSERVFILI = '00071'");
    LoadFile(DemoFile().string(), "0003");
    ASSERT_TRUE(Loaded());
    ASSERT_EQ(Frm().cdsServicos->FieldByName("CDSERVFILIORIG")->AsString(), "00001");
    EXPECT_EQ(CurrentDestination(), "");
    EXPECT_FALSE(Frm().sbtImportExport->Enabled());
    ExpectServicesGridReadOnly();
    ExpectFilterUsable();
}

TEST_F(MenuExchangeTest, ImportAnsweredOkShowsSuccessAndKeepsTheTables) {
    LoadDemoFileIntoDestination();
    TfrmIntegraCardapio& frm = Frm();
    const size_t services = Rows(*frm.cdsServicos), diets = Rows(*frm.cdsDietas), dishTypes = Rows(*frm.cdsTipoPrat);
    ForgetRememberedFile();  // the import stores the name again

    Click(*frm.sbtImportExport);
    EXPECT_EQ(Messages(), std::vector<std::string>{kSuccess});
    EXPECT_EQ(dialogs_.Shown().back().Type, mtInformation);
    EXPECT_EQ(dialogs_.Shown().back().Buttons, TMsgDlgButtons{mbOK});
    EXPECT_TRUE(boImporta());
    EXPECT_EQ(Rows(*frm.cdsServicos), services);
    EXPECT_EQ(Rows(*frm.cdsDietas), diets);
    EXPECT_EQ(Rows(*frm.cdsTipoPrat), dishTypes);
    EXPECT_EQ(StoreQuery("SELECT NMARQUIVO || '|' || CDOPERADOR || '|' || CDFILIAL FROM LOGIMPORTACAO"),
              DemoFile().string() + "|" + kOperator + "|" + kDestinationBranch);
    EXPECT_EQ(RememberedFile(), DemoFile().string());
    ExpectServicesGridReadOnly();
    ExpectFilterUsable();
    EXPECT_TRUE(frm.sbtImportExport->Enabled());
}

TEST_F(MenuExchangeTest, ImportSendsEveryRowWhateverFilterTheTablesHave) {
    LoadDemoFileIntoDestination();
    TfrmIntegraCardapio& frm = Frm();
    const Variant packet = frm.cdsDietas->GetData();
    const DataPacket& diets = packet.AsPacket();
    const size_t destination = *diets.FieldIndex("CDDIETDEST");
    size_t mappedDiets = 0;
    for (const auto& row : diets.Rows) mappedDiets += row.Values[destination].AsString().empty() ? 0 : 1;
    ASSERT_GT(mappedDiets, 0u);

    for (TClientDataSet* table : {frm.cdsDietas, frm.cdsTipoPrat}) {
        table->SetFilter("CDSERVORIG = '00010' AND CDSERVDEST = '00060'");
        table->SetFiltered(true);
        ASSERT_LT(table->RecordCount(), static_cast<int>(Rows(*table))) << table->Name();
    }
    Click(*frm.sbtImportExport);
    ASSERT_EQ(Messages(), std::vector<std::string>{kSuccess});
    EXPECT_EQ(Count("(SELECT DISTINCT CDSERVFILI FROM CARDAPIO WHERE CDFILIAL = '0003')"), "5");
    EXPECT_EQ(Count("(SELECT DISTINCT CDSERVFILI, CDDIETPAD FROM CARDAPIO WHERE CDFILIAL = '0003')"),
              std::to_string(mappedDiets));
}

// The first import into the branch started on 1 March 2025; a file reaching back before it is
// refused at once, by the load.
TEST_F(MenuExchangeTest, LoadOverlappingTheStartOfEarlierImportsIsBlocked) {
    const std::string march = (Folder() / "marco.txt").string();
    WriteWithPeriod(DemoFile(), march, "20250301", "20250309");
    LoadFile(march, kDestinationBranch);
    Click(*Frm().sbtImportExport);
    ASSERT_EQ(Messages(), std::vector<std::string>{kSuccess});
    dialogs_.Clear();

    const std::string february = (Folder() / "fevereiro.txt").string();
    WriteWithPeriod(DemoFile(), february, "20250220", "20250309");
    LoadFile(february, kDestinationBranch);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Importação bloqueada. A primeira importação feita foi iniciada na data 01/03/2025. "
                              "Importações anteriores à esta data devem terminar no dia 28/02/2025."});
    EXPECT_FALSE(Loaded());
    EXPECT_FALSE(Frm().sbtImportExport->Enabled()) << "no tables of this file to import";
    ExpectFilterUsable();
    EXPECT_EQ(RememberedFile(), february);
}

// While the user reviews the demo week, another import covers March to the end of the year: the
// import is refused with the day after that end.
TEST_F(MenuExchangeTest, ImportStartingInsideEarlierImportsIsBlockedAtTheirEnd) {
    LoadDemoFileIntoDestination();
    TfrmIntegraCardapio& frm = Frm();
    const size_t services = Rows(*frm.cdsServicos), diets = Rows(*frm.cdsDietas);
    const std::string year = (Folder() / "ano.txt").string();
    WriteWithPeriod(DemoFile(), year, "20250301", "20251231");
    ImportBehindTheScreen(year);

    Click(*frm.sbtImportExport);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Importação bloqueada. A última importação feita termina na data 31/12/2025. "
                              "A próxima importação deve ser iniciada no dia 01/01/2026."});
    EXPECT_EQ(Rows(*frm.cdsServicos), services);
    EXPECT_EQ(Rows(*frm.cdsDietas), diets);
    EXPECT_TRUE(frm.sbtImportExport->Enabled());
    ExpectFilterUsable();
    EXPECT_EQ(Count("LOGIMPORTACAO"), "1");
}

// Loading into the file's own origin branch is refused by the server. The import stays locked:
// neither the button nor Control+Enter calls the server.
TEST_F(MenuExchangeTest, FailedLoadLeavesTheControlsUsableAndNothingToImport) {
    LoadFile(DemoFile().string(), "0002");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_FALSE(Loaded());
    EXPECT_FALSE(Frm().tshDieta->Enabled());
    EXPECT_FALSE(Frm().sbtImportExport->Enabled());
    ExpectFilterUsable();

    dialogs_.Clear();
    const int calls = busy_.Starts();
    Click(*Frm().sbtImportExport);
    PressKey(VK_RETURN, {ssCtrl});
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(busy_.Starts(), calls) << "no server call";
    EXPECT_FALSE(boImporta());
}

TEST_F(MenuExchangeTest, FailedImportLeavesTheControlsUsableAndTheTablesAsTheyWere) {
    LoadDemoFileIntoDestination();
    const size_t services = Rows(*Frm().cdsServicos);
    std::filesystem::rename(DemoFile(), Folder() / "movido.txt");  // the file went away meanwhile

    Click(*Frm().sbtImportExport);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0], kSuccess);
    EXPECT_EQ(Rows(*Frm().cdsServicos), services);
    EXPECT_TRUE(Frm().sbtImportExport->Enabled());
    ExpectFilterUsable();
    EXPECT_EQ(Count("LOGIMPORTACAO"), "0");
}

// The remembered name is stored before the exchange: when the server cannot store it, nothing
// is loaded, and the change goes again with the next load.
TEST_F(MenuExchangeTest, NameTheServerCannotRememberStopsTheLoadAndGoesAgainNextTime) {
    ExecuteSql("ALTER TABLE DIRETORIO RENAME TO DIRETORIO_FORA");
    const int calls = busy_.Starts();
    LoadDemoFileIntoDestination();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(busy_.Starts() - calls, 1) << "only the call that stores the name";
    EXPECT_FALSE(Loaded());
    EXPECT_FALSE(Frm().sbtImportExport->Enabled());
    ExpectFilterUsable();

    ExecuteSql("ALTER TABLE DIRETORIO_FORA RENAME TO DIRETORIO");
    ExecuteSql("DELETE FROM DIRETORIO");
    dialogs_.Clear();
    Focus(*Frm().medNmArquivo);
    Focus(*Frm().dbgPadrao);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Loaded());
    EXPECT_EQ(RememberedFile(), DemoFile().string());
}

// An answer that says "OK" but lacks the tables is an error shown once; the controls still come
// back, so the user can choose another file or branch.
TEST_F(MenuExchangeTest, LoadAnswerWithoutItsTablesLeavesTheControlsUsable) {
    appserver::ApplicationServer server(appserver::ServerConfig{(Folder() / "empresa.db").string(), {Folder()}});
    InstallEmbeddedDispatcher([&server](const std::string& method, const Variant::Array& args) {
        if (method == "ImportaCardapio") return appserver::Answer::Success(VarArrayOf({"OK", Variant()}));
        return server.Dispatch(method, args);
    });
    LoadDemoFileIntoDestination();
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_FALSE(Frm().tshDieta->Enabled());
    EXPECT_FALSE(Frm().sbtImportExport->Enabled());
    ExpectFilterUsable();
}

TEST_F(MenuExchangeTest, EnteringThePanelShowsTheServicesTabAndLocksTheOthers) {
    LoadDemoFileIntoDestination();
    TfrmIntegraCardapio& frm = Frm();
    frm.pgcPadrao->SetActivePage(frm.tshConfig);
    frm.lblServAtual->SetCaption("Origem: 00001 --> Destino: 00001");

    Focus(*frm.medCdFilial);
    EXPECT_EQ(frm.pgcPadrao->ActivePage(), frm.tshPadrao);
    EXPECT_FALSE(frm.tshDieta->Enabled());
    EXPECT_FALSE(frm.tshConfig->Enabled());
    EXPECT_EQ(frm.lblServAtual->Caption(), "");

    const int calls = busy_.Starts();
    Focus(*frm.dbgPadrao);  // leaving again loads again
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(frm.tshDieta->Enabled());
    EXPECT_GT(busy_.Starts(), calls);
    EXPECT_EQ(frm.lblServAtual->Caption(), "Origem: Desjejum Hospitalar --> Destino: DESJEJUM HOSPITALAR");
}

// The tables were proposed for the file and branch they were loaded for. Entering the file name
// (or its lookup) drops them; another branch, typed or chosen in the lookup (which checks nothing),
// leaves them on screen. Either way nothing imports and the other tabs stay locked until leaving
// the panel loads the file again.
TEST_F(MenuExchangeTest, ChangedFileOrBranchLocksTheImportAndTheTabsUntilTheNextLoad) {
    TfrmIntegraCardapio& frm = Frm();
    const std::function<void()> changes[] = {
        [&] { Focus(*frm.medNmArquivo); },
        [&] { dialogs_.AnswerOpen(std::nullopt); Click(*frm.sbtArquivo); },
        [&] { Focus(*frm.medCdFilial); frm.medCdFilial->SelectAll(); TypeText("3"); },
        [&] {
            Application->Perform([&] { frm.pgcPadrao->ClickTab(frm.tshDieta); });
            Focus(*frm.dbgDieta);
            lookups_.ChooseWhere("CDFILIAL", "0003");
            Click(*frm.sbtFilial);
        },
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(&change - changes);
        LoadDemoFile();
        change();
        EXPECT_EQ(frm.pgcPadrao->ActivePage(), frm.tshPadrao);
        EXPECT_FALSE(frm.tshDieta->Enabled() || frm.tshConfig->Enabled() || frm.sbtImportExport->Enabled());
        Click(*frm.sbtImportExport);
        PressKey(VK_RETURN, {ssCtrl});
        Application->Perform([&] { frm.sbtImportExport->Click(); });  // a host pressing it anyway
        EXPECT_EQ(Messages(), std::vector<std::string>{"Não há dados a serm exportados."});
        EXPECT_EQ(Count("LOGIMPORTACAO"), "0");
        dialogs_.Clear();
    }
    Focus(*frm.medCdFilial);
    Focus(*frm.dbgPadrao);  // the load for branch 0003
    PressKey(VK_RETURN, {ssCtrl});
    EXPECT_EQ(Messages(), std::vector<std::string>{kSuccess});
    EXPECT_EQ(Count("CARDAPIO WHERE CDFILIAL = '0001'"), "0");
    EXPECT_NE(Count("CARDAPIO WHERE CDFILIAL = '0003'"), "0");
}

}  // namespace
}  // namespace krd52100::testing
