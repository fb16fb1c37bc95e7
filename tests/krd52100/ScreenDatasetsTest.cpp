// The screen's datasets against what really fills them: the application server's packets and
// the branch table of the host's general database.
#include "ScreenFixture.h"

#include "DataPacket.h"
#include "DateTime.h"
#include "TADOIBQuery.h"
#include "TClientDataSet.h"
#include "TField.h"
#include "TMaskEdit.h"

namespace krd52100::testing {
namespace {

class ScreenDatasetsTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        OpenScreen();
        ASSERT_TRUE(ScreenOpen());
    }
};

// A persistent field that its packet lacks would silently read as null, so every field of
// every dataset the screen loads from the server must come in its packet, with its type.
TEST_F(ScreenDatasetsTest, ServerPacketsCarryEveryFieldOfTheirDatasets) {
    TfrmIntegraCardapio& frm = Frm();
    const char* branch = "0001";
    const char* service = "00001";
    const Variant load =
        ServerPayload("ImportaCardapio", {DemoFile().string(), kOperator, branch, Variant(), Variant(), Variant()});
    const Variant serviceCheck = ServerPayload("GetVd_Serv", {branch, service, "", "T", "KRD"});
    ASSERT_EQ(load.ArrayLength(), 8u);
    ASSERT_EQ(serviceCheck.ArrayLength(), 2u);
    const struct {
        const char* source;
        TClientDataSet* dataSet;
        Variant packet;
    } loads[] = {
        {"GetDiretorio", frm.cdsDiretorio, ServerPayload("GetDiretorio", {})},
        {"GetParamIntegra", frm.cdsParamIntegracao, ServerPayload("GetParamIntegra", {})},
        {"load: services", frm.cdsServicos, load[2]},
        {"load: diets", frm.cdsDietas, load[3]},
        {"load: dish types", frm.cdsTipoPrat, load[4]},
        {"load: exported services", frm.cdsServOrigem, load[5]},
        {"load: exported diets", frm.cdsDietaOrig, load[6]},
        {"load: exported dish types", frm.cdsTipoPratOrig, load[7]},
        {"GetVd_Serv: service", frm.cdsPesqServicoAux, serviceCheck[0]},
        {"GetVd_Serv: diets", frm.cdsPesqDietServAux, serviceCheck[1]},
        {"GetPesqServ", frm.cdsPesqServico, ServerPayload("GetPesqServ", {branch})},
        {"GetVd_DietaDestino", frm.cdsPesqDietServ, ServerPayload("GetVd_DietaDestino", {branch, service, "0001", "X"})},
        {"GetVd_TipoPratOrig", frm.cdsPesqTipoPratAux,
         ServerPayload("GetVd_TipoPratOrig", {branch, service, "0001", "X"})},
        {"GetPesqTipoPrat", frm.cdsPesqTipoPrat,
         ServerPayload("GetPesqTipoPrat", {branch, service, EncodeDate(2025, 3, 3)})},
    };
    for (const auto& l : loads) {
        SCOPED_TRACE(l.source);
        ASSERT_TRUE(l.packet.IsPacket());
        const DataPacket& packet = l.packet.AsPacket();
        for (const TField* field : l.dataSet->Fields()) {
            auto index = packet.FieldIndex(field->FieldName());
            ASSERT_TRUE(index.has_value()) << field->FieldName() << " missing";
            EXPECT_EQ(packet.Fields[*index].Type, field->DataType()) << field->FieldName();
        }
    }
}

TEST_F(ScreenDatasetsTest, BranchQueryFindsOneBranchOrListsEveryBranch) {
    TADOIBQuery& query = *Frm().qryFilial;
    query.Close();
    query.ParamByName("P_CDFILIAL").SetAsString("0004");
    query.ParamByName("P_TCDFILIAL").SetAsString("");
    query.Open();
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.FieldByName("NMFILIAL")->AsString(), "Refeitório Conceição - Santos");
    EXPECT_EQ(query.FieldByName("IDCNTRRESC")->AsString(), "S");
    EXPECT_FALSE(query.FieldByName("IDCNTRRESC")->Visible());

    query.Close();
    query.ParamByName("P_CDFILIAL").SetAsString("");
    query.ParamByName("P_TCDFILIAL").SetAsString("T");
    query.Open();
    EXPECT_EQ(query.RecordCount(), 4) << "every branch, the rescinded one included";
}

TEST_F(ScreenDatasetsTest, RegistersAreOpenAndEmptyAfterCreation) {
    TfrmIntegraCardapio& frm = Frm();
    for (TClientDataSet* taken :
         {frm.cdsTipoPratOrigAux, frm.cdsTipoPratDest, frm.cdsServDestino, frm.cdsDietaOrigAux, frm.cdsDietaDest}) {
        SCOPED_TRACE(taken->Name());
        EXPECT_TRUE(taken->Active());
        EXPECT_TRUE(taken->IsEmpty());
        EXPECT_FALSE(taken->IndexName().empty()) << "registers are searched by their active index";
    }
}

TEST_F(ScreenDatasetsTest, FocusStartsOnTheFileNameAndTheBranchCodeTakesAtMostFourDigits) {
    TfrmIntegraCardapio& frm = Frm();
    EXPECT_EQ(frm.ActiveControl(), frm.medNmArquivo);
    PressKey(VK_TAB);
    EXPECT_EQ(frm.ActiveControl(), frm.medCdFilial);
    TypeText("12a3456");
    EXPECT_EQ(frm.medCdFilial->Text(), "1234");
}

}  // namespace
}  // namespace krd52100::testing
