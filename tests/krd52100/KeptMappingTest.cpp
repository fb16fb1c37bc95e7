// The mappings kept for a branch pair, through the screen: what a written import chose by hand
// and what a person mapped on the server come back in the next load; a code alone does not.
#include "DishTypeScreen.h"

#include "TSpeedButton.h"

#include <algorithm>

namespace krd52100::testing {
namespace {

class KeptMappingTest : public DishTypeScreen {
protected:
    // The value of `field` in the row whose first fields of `key` hold `values`, read from the
    // table's packet (where the proposal's own marks stay too), whatever filter is on.
    static std::string Find(TClientDataSet& table, std::vector<std::pair<const char*, std::string>> key,
                            const char* field) {
        const DataPacket packet = table.GetData().AsPacket();
        for (size_t i = 0; i < packet.Rows.size(); ++i) {
            if (std::all_of(key.begin(), key.end(), [&](const auto& k) { return packet.Value(i, k.first).AsString() == k.second; }))
                return packet.Value(i, field).AsString();
        }
        return "no row";
    }
    std::string Diet(const char* service, const char* diet, const char* field) {
        return Find(*Frm().cdsDietas, {{"CDSERVORIG", service}, {"CDDIETORIG", diet}}, field);
    }
    std::string Service(const char* service, const char* field) {
        return Find(*Frm().cdsServicos, {{"CDSERVFILIORIG", service}}, field);
    }
};

TEST_F(KeptMappingTest, ASecondLoadProposesTheDietAndDishTypeChoicesOfTheLastImport) {
    ExecuteSql("UPDATE PARAMINTEGRACAO SET IDVALPERIODOINT = 'N'");  // the same week loads again
    LoadAndOpen();
    TClientDataSet& diets = *Frm().cdsDietas;
    Application->Perform([&] {  // Líquida, by hand, to Livre
        ASSERT_TRUE(diets.Locate("CDSERVORIG;CDDIETORIG", VarArrayOf({kHospital, "0004"})));
        diets.Edit();
        diets.FieldByName("CDDIETDEST")->SetAsString("0031");
        diets.Post();
    });
    SetRow(kHospital, 5, "04", {{"IDIMPORTAR", "N"}});          // Sobremesa left out
    SetRow(kHospital, 1, "01", {{"CDTIPODEST", "23"}});         // Entrada into Guarnição
    Click(*Frm().sbtImportExport);
    ASSERT_EQ(Messages(), std::vector<std::string>{"Importação realizada com sucesso!"});

    LoadDemoFileIntoDestination();
    EXPECT_EQ(Diet(kHospital, "0004", "CDDIETDEST"), "0031");
    EXPECT_EQ(Diet(kHospital, "0004", "IDPROPOSTA"), "M");
    EXPECT_EQ(Diet(kLunch, "0004", "CDDIETDEST"), "0024") << "another service keeps its own";
    EXPECT_EQ(Row(kHospital, 5, "04")["IDIMPORTAR"].AsString(), "N");
    EXPECT_TRUE(Row(kHospital, 5, "04")["CDTIPODEST"].IsNull());
    EXPECT_EQ(Row(kHospital, 1, "01")["CDTIPODEST"].AsString(), "23");
    EXPECT_EQ(Row(kHospital, 1, "01")["IDIMPORTAR"].AsString(), "S");
}

TEST_F(KeptMappingTest, AServiceMappedOnTheServerIsProposedAndAnEqualCodeAloneIsNot) {
    // Names no longer alike: 00002 Almoço Hospitalar only through its kept mapping; 00010 Almoço
    // Refeitório meets a destination service of its own code and another name.
    ExecuteSql("UPDATE SERVFILI SET NMSERVICO = 'ALMOCO DA ENFERMARIA' WHERE CDFILIAL = '0003' AND CDSERVFILI = '00052'");
    ExecuteSql("UPDATE SERVFILI SET NMSERVICO = 'REFEITORIO CENTRAL' WHERE CDFILIAL = '0003' AND CDSERVFILI = '00060'");
    ExecuteSql("INSERT INTO SERVFILI VALUES ('0003', '00010', 'LANCHE DA TARDE', 'N')");
    ServerPayload("SetMapeamento", {"0002", kDestinationBranch, "SERVICO", kLunch, "", Variant(), kLunchThere});
    LoadAndOpen();
    EXPECT_EQ(Service(kLunch, "CDSERVFILIDEST"), kLunchThere);
    EXPECT_EQ(Service(kLunch, "IDPROPOSTA"), "M");
    EXPECT_EQ(Diet(kLunch, "0001", "CDDIETDEST"), "0031") << "its diets still by name";
    EXPECT_EQ(Service("00010", "CDSERVFILIDEST"), "");
    EXPECT_EQ(Service("00010", "IDPROPOSTA"), "");
}

}  // namespace
}  // namespace krd52100::testing
