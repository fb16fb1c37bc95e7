// The screen when the server's store fails: under an import (the disk fills up, or fails, while
// the import is being written), and under the destination checks of the mapping grids. The user
// reads the server's reason once, finds the screen ready for another try, and the same gesture
// works once the store has recovered.
#include "FailingDisk.h"
#include "PairMappingFixture.h"
#include "ScreenFixture.h"

#include "DataPacket.h"
#include "TBtnPesquisa.h"
#include "TClientDataSet.h"
#include "TMaskEdit.h"
#include "TSpeedButton.h"

namespace krd52100::testing {
namespace {

using appserver::testing::FailingDisk;

struct StoreFault {
    const char* name;
    int code;
    const char* says;
};

void PrintTo(const StoreFault& fault, std::ostream* out) { *out << fault.name; }

class StoreFailureScreenTest : public ScreenFixture, public ::testing::WithParamInterface<StoreFault> {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        OpenScreen();
        LoadDemoFileIntoDestination();
        ASSERT_TRUE(Frm().cdsServicos->Active()) << "the demo load did not happen";
        ASSERT_TRUE(Messages().empty());
    }

    // The import click first stores the file name to offer next time, then imports: the disk
    // must fail the import's writes, not that first, smaller one. Storing the same name again
    // writes as many log pages as the click will.
    int WritesOfRememberingTheFile(FailingDisk& disk) {
        DataPacket delta;
        delta.Fields = {{"CDPROGRAMA", FieldType::String, 8}, {"DSDIRETORIO", FieldType::String, 100}};
        delta.AddRow({"KRD52100", DemoFile().string()}, RowKind::Modified);
        disk.Heal();
        ServerPayload("SetDiretorio", {Variant(std::move(delta))});
        return disk.Writes();
    }
};

TEST_P(StoreFailureScreenTest, OneMessageAndTheScreenReadyForAnotherTry) {
    TfrmIntegraCardapio& frm = Frm();
    FailingDisk disk;
    disk.FailWrites(GetParam().code, WritesOfRememberingTheFile(disk) + 1);

    Click(*frm.sbtImportExport);
    disk.Heal();

    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind("ImportaCardapio: ", 0), 0u) << Messages()[0];
    EXPECT_NE(Messages()[0].find(GetParam().says), std::string::npos) << Messages()[0];
    EXPECT_EQ(busy_.Showing(), 0) << "busy animation left standing";
    EXPECT_TRUE(frm.sbtImportExport->Enabled());
    EXPECT_TRUE(frm.medNmArquivo->Enabled());
    EXPECT_TRUE(frm.medCdFilial->Enabled());
    EXPECT_TRUE(frm.sbtArquivo->Enabled());
    EXPECT_TRUE(frm.sbtFilial->Enabled());
    EXPECT_FALSE(frm.cdsServicos->ControlsDisabled());
    EXPECT_EQ(StoreQuery("SELECT COUNT(*) FROM LOGIMPORTACAO"), "0");
    EXPECT_EQ(StoreQuery("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0003'"), "0");

    dialogs_.Clear();
    Click(*frm.sbtImportExport);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Importação realizada com sucesso!"});
    EXPECT_EQ(StoreQuery("SELECT COUNT(*) FROM LOGIMPORTACAO"), "1");
}

INSTANTIATE_TEST_SUITE_P(Disk, StoreFailureScreenTest,
                         ::testing::Values(StoreFault{"Full", SQLITE_FULL, "disco cheio"},
                                           StoreFault{"WriteError", SQLITE_IOERR_WRITE, "falha de leitura ou gravação"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A destination check whose server call fails (its table out of reach) shows the server's reason
// once and keeps the row as typed, the focus on the checked column; the same move passes once
// the table is back.
class DestinationCheckStoreFailureTest : public PairMappingFixture {
protected:
    struct Check {
        const char* method;
        const char* table;        // the store table the call reads
        TDBGrid* grid;
        const char* field;        // the code checked, as it stays in the row
        std::string stored;
        std::function<void()> type;  // puts the code in and selects the column whose exit checks it
        TShiftState leave;           // with Tab
    };
};

TEST_F(DestinationCheckStoreFailureTest, ServersReasonOnceAndTheTypedCodeKept) {
    TfrmIntegraCardapio& frm = Frm();
    const Check checks[] = {
        {"GetVd_Serv", "SERVFILI", frm.dbgPadrao, "CDSERVFILIDEST", "00071",
         [&] {
             Focus(*frm.dbgPadrao);
             Perform([&] {
                 frm.cdsServicos->Edit();
                 Set(*frm.cdsServicos, "CDSERVFILIDEST", "71");  // its own, released by the edit
             });
             SelectColumn(*frm.dbgPadrao, "CDSERVFILIDEST");
         },
         {ssShift}},
        {"GetVd_DietaDestino", "SERVDIETA", frm.dbgDieta, "CDDIETDEST", "0029",
         [&] {
             WorkOnDietsOf("00010");
             Perform([&] { frm.cdsDietas->Last(); });  // Vegetariana: 0029 is its own
             SelectColumn(*frm.dbgDieta, "CDDIETDEST");
             TypeText("29");
         },
         {ssShift}},
        // The dish-type destination is checked when the origin column is left, on an unmarked row.
        {"GetVd_TipoPratOrig", "CNFCARDAPIO", frm.dbgTipoPrat, "CDTIPODEST", "12",
         [&] {
             Perform([&] { frm.pgcPadrao->ClickTab(frm.tshConfig); });
             Focus(*frm.dbgTipoPrat);
             Perform([&] { frm.dbgTipoPrat->DblClickCell(IndiceCol(frm.dbgTipoPrat, "IDIMPORTAR"), 0); });
             SelectColumn(*frm.dbgTipoPrat, "CDTIPODEST");
             TypeText("12");
             SelectColumn(*frm.dbgTipoPrat, "CDTIPOORIG");
         },
         {}},
    };
    for (const Check& check : checks) {
        SCOPED_TRACE(check.method);
        check.type();
        dialogs_.Clear();
        ExecuteSql(std::string("ALTER TABLE ") + check.table + " RENAME TO FORA");
        PressKey(VK_TAB, check.leave);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].rfind(std::string(check.method) + ": erro do banco de dados", 0), 0u)
            << Messages()[0];
        EXPECT_EQ(busy_.Showing(), 0);
        EXPECT_EQ(check.grid->SelectedField()->FieldName(), check.field);
        EXPECT_EQ(Value(*check.grid->DataSet(), check.field), check.stored);
        EXPECT_NE(check.grid->DataSet()->State(), dsBrowse);

        ExecuteSql(std::string("ALTER TABLE FORA RENAME TO ") + check.table);
        dialogs_.Clear();
        if (check.grid == frm.dbgTipoPrat) SelectColumn(*check.grid, "CDTIPOORIG");
        PressKey(VK_TAB, check.leave);
        EXPECT_EQ(Messages(), std::vector<std::string>{});
        dialogs_.Answer(mrYes);
        Perform([&] { check.grid->DataSet()->Cancel(); });
    }
}

}  // namespace
}  // namespace krd52100::testing
