#include "ServerFixture.h"

namespace appserver::testing {
namespace {

using Strings = std::vector<std::string>;

class DestinationLookupsTest : public ServerFixture {};

TEST_F(DestinationLookupsTest, GetVd_ServGivesTheServiceAndItsStandardDiets) {
    const Variant payload = Payload("GetVd_Serv", {"0003", "00052", "", "T", "KRD"});
    ASSERT_EQ(payload.ArrayLength(), 2u);
    EXPECT_EQ(Column(payload[0], "NMSERVICO"), Strings{"ALMOCO HOSPITALAR"});
    EXPECT_EQ(Column(payload[1], "CDDIETPAD"), (Strings{"0017", "0024", "0031", "0042", "0058", "0063"}));
    EXPECT_EQ(Column(payload[1], "DSDIETPAD")[1], "LÍQUIDA");
}

TEST_F(DestinationLookupsTest, GetVd_ServForAnUnknownServiceOrBranchGivesTwoEmptyPackets) {
    for (const auto& [branch, service] : {std::pair{"0003", "00002"}, std::pair{"9999", "00052"}}) {
        const Variant payload = Payload("GetVd_Serv", {branch, service, "", "T", "VUQ"});
        EXPECT_TRUE(payload[0].AsPacket().Rows.empty()) << branch << service;
        EXPECT_TRUE(payload[1].AsPacket().Rows.empty()) << branch << service;
    }
}

TEST_F(DestinationLookupsTest, GetPesqServListsTheBranchServicesByCode) {
    EXPECT_EQ(Column(Payload("GetPesqServ", {"0001"}), "CDSERVFILI"),
              (Strings{"00001", "00002", "00003", "00010", "00011"}));
    EXPECT_TRUE(Payload("GetPesqServ", {"9999"}).AsPacket().Rows.empty());
}

TEST_F(DestinationLookupsTest, GetVd_DietaDestinoPutsTheAskedDietFirstThenTheOthers) {
    const Variant packet = Payload("GetVd_DietaDestino", {"0001", "00002", "0004", "X"});
    EXPECT_EQ(Column(packet, "CDDIETPAD"), (Strings{"0004", "0001", "0002", "0003", "0005", "0006"}));
    EXPECT_EQ(Column(packet, "DSDIETPAD")[0], "Líquida");
    EXPECT_EQ(Column(packet, "CDFILIAL"), Strings(6, "0001"));
    EXPECT_EQ(Column(packet, "CDSERVFILI"), Strings(6, "00002"));
}

TEST_F(DestinationLookupsTest, GetVd_DietaDestinoAnswers) {
    struct Case {
        const char* diet;
        const char* scope;
        size_t rows;
    } cases[] = {
        {"0009", "X", 0},  // not registered for the service: no row at all
        {"", "X", 6},      // empty code: every diet, for the lookup
        {"0002", "", 1},   // another scope: the diet alone
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Payload("GetVd_DietaDestino", {"0001", "00002", c.diet, c.scope}).AsPacket().Rows.size(), c.rows)
            << c.diet << "/" << c.scope;
    }
}

TEST_F(DestinationLookupsTest, DishTypeListsFollowTheConfigurationValidOnTheDay) {
    // A new configuration from 1 March 2025 renames the drink and drops the option slot.
    Execute("INSERT INTO CNFCARDAPIO SELECT CDFILIAL, CDSERVFILI, '2025-03-01', CDTIPOPRAT, NRSEQCNFMES, NRORDCNFMES, "
            "CASE CDTIPOPRAT WHEN '05' THEN 'Suco' ELSE NMTIPOPRAT END, IDOPCCNFMES FROM CNFCARDAPIO "
            "WHERE CDFILIAL = '0001' AND CDSERVFILI = '00002' AND NRSEQCNFMES <> 3");
    const Strings before{"Entrada", "Prato Principal", "Guarnição", "Sobremesa", "Bebida"};
    const Strings after{"Entrada", "Prato Principal", "Guarnição", "Sobremesa", "Suco"};
    EXPECT_EQ(Column(Payload("GetPesqTipoPrat", {"0001", "00002", EncodeDate(2025, 2, 28)}), "NMTIPOPRAT"), before);
    EXPECT_EQ(Column(Payload("GetPesqTipoPrat", {"0001", "00002", EncodeDate(2025, 3, 1)}), "NMTIPOPRAT"), after);
    EXPECT_TRUE(Payload("GetPesqTipoPrat", {"0001", "00002", EncodeDate(2023, 12, 31)}).AsPacket().Rows.empty());

    // GetVd_TipoPratOrig answers with today's configuration, whatever the diet.
    EXPECT_EQ(Column(Payload("GetVd_TipoPratOrig", {"0001", "00002", "0001", "X"}), "NMTIPOPRAT"), before);
    clock_->now = EncodeDate(2025, 3, 5);
    EXPECT_EQ(Column(Payload("GetVd_TipoPratOrig", {"0001", "00002", "", "X"}), "CDTIPOPRAT"),
              (Strings{"01", "02", "03", "04", "05"}));
    EXPECT_EQ(Column(Payload("GetVd_TipoPratOrig", {"0001", "00002", "0001", "X"}), "NMTIPOPRAT"), after);
}

TEST_F(DestinationLookupsTest, QuotesInArgumentsAreDataNotSql) {
    EXPECT_TRUE(Payload("GetPesqServ", {"0001' OR '1'='1"}).AsPacket().Rows.empty());
    EXPECT_TRUE(Payload("GetVd_DietaDestino", {"0001", "00002' --", "", "X"}).AsPacket().Rows.empty());
    const Variant serv = Payload("GetVd_Serv", {"0001", "x'); DELETE FROM SERVFILI; --", "", "T", ""});
    EXPECT_TRUE(serv[0].AsPacket().Rows.empty());
    EXPECT_EQ(Count("SELECT COUNT(*) FROM SERVFILI"), 20);
}

}  // namespace
}  // namespace appserver::testing
