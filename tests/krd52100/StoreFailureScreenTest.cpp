// The screen when the server's store fails under an import: the disk fills up, or fails, while
// the import is being written. The user reads the server's reason once, finds the screen ready
// for another try (the import button, the file and branch edits and their search buttons usable,
// the busy animation stopped), and the same click imports once the disk has recovered.
#include "FailingDisk.h"
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
        LoadDemoFile();
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
    EXPECT_EQ(StoreQuery("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0001'"), "0");

    dialogs_.Clear();
    Click(*frm.sbtImportExport);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Importação realizada com sucesso!"});
    EXPECT_EQ(StoreQuery("SELECT COUNT(*) FROM LOGIMPORTACAO"), "1");
}

INSTANTIATE_TEST_SUITE_P(Disk, StoreFailureScreenTest,
                         ::testing::Values(StoreFault{"Full", SQLITE_FULL, "disco cheio"},
                                           StoreFault{"WriteError", SQLITE_IOERR_WRITE, "falha de leitura ou gravação"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace krd52100::testing
