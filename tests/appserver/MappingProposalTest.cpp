#include "ServerFixture.h"

#include "KeptMappings.h"

#include <fstream>

namespace appserver::testing {
namespace {

using Strings = std::vector<std::string>;

class MappingProposalTest : public ServerFixture {
protected:
    // A small file from branch 0002 whose services test each matching rule against branch 0003
    // (which registers everything under codes of its own, with its names in capitals).
    void WriteMatchingFile() {
        IntegrationFile file;
        file.header = {"0002", "Hospital São Lucas", EncodeDate(2025, 3, 3), EncodeDate(2025, 3, 4)};
        file.services = {{"00010", "  almoço REFEITÓRIO ", false},  // by name, trimmed: 00060
                         {"00052", "Sopa Noturna", false},          // same code only: no destination
                         {"00099", "Lanche da Tarde", false}};      // neither: no destination
        file.diets = {{"00010", "0007", " vegetariana"}, {"00010", "0015", "Sem Glúten"}, {"00010", "0009", "Kosher"}};
        file.dishTypes = {{"00010", "07", 1, 4, "prato principal", false},
                          {"00010", "08", 2, 5, "Sopa", true},
                          {"00099", "01", 1, 1, "Salada", false}};
        file.dishes = {{"000001", "Arroz branco"}};
        WriteFile("matching.txt", file, {{"00010", EncodeDate(2025, 3, 3), "0007", "07", 1, "000001", 10}});
    }
};

TEST_F(MappingProposalTest, LoadAnswersOkAndSixPacketsWithTheScreenFields) {
    const Variant load = Load("0003");
    ASSERT_EQ(load.ArrayLength(), 8u);
    EXPECT_EQ(load[0].AsString(), "OK");
    EXPECT_TRUE(load[1].IsNull());
    const Strings fields[] = {
        {"CDSERVFILIORIG", "CDSERVFILIDEST", "NMSERVICOORIG", "NMSERVICODEST", "IDPROPOSTA"},
        {"CDSERVORIG", "CDDIETORIG", "DSDIETORIG", "CDSERVDEST", "CDDIETDEST", "DSDIETDEST", "IDPROPOSTA"},
        {"CDSERVORIG", "CDTIPOORIG", "NRSEQORIG", "NRORDORIG", "NMTIPOORIG", "IDOPCORIG", "CDSERVDEST",
         "CDTIPODEST", "NRSEQDEST", "NRORDDEST", "NMTIPODEST", "IDIMPORTAR", "DTCNFDEST", "IDPROPOSTA"},
        {"CDSERVFILI", "NMSERVICO"},
        {"CDDIETPAD", "DSDIETPAD", "CDSERVFILI"},
        {"CDSERVFILI", "CDTIPOPRAT", "NMTIPOPRAT", "IDOPCCNFMES"},
    };
    for (size_t i = 0; i < 6; ++i) {
        Strings names;
        for (const auto& field : load[i + 2].AsPacket().Fields) names.push_back(field.Name);
        EXPECT_EQ(names, fields[i]) << "packet " << i + 2;
    }
    EXPECT_EQ(load[2].AsPacket().Rows.size(), 5u);
    EXPECT_EQ(load[3].AsPacket().Rows.size(), 3u * 6 + 2u * 2);
    EXPECT_EQ(load[4].AsPacket().Rows.size(), 3u * 6 + 2u * 5);
    // The exported dish types list each (service, code, option) once.
    EXPECT_EQ(load[7].AsPacket().Rows.size(), 3u * 6 + 2u * 5);
}

TEST_F(MappingProposalTest, ServicesMatchByNameNeverByCodeAlone) {
    WriteMatchingFile();
    const Variant load = Load("0003", "matching.txt");
    EXPECT_EQ(Column(load[2], "CDSERVFILIDEST"), (Strings{"00060", "", ""}));
    EXPECT_EQ(Column(load[2], "NMSERVICODEST"), (Strings{"ALMOCO REFEITORIO", "", ""}));
    EXPECT_EQ(Column(load[2], "IDPROPOSTA"), (Strings{"N", "", ""}));
    EXPECT_EQ(Column(load[2], "NMSERVICOORIG"), (Strings{"  almoço REFEITÓRIO ", "Sopa Noturna", "Lanche da Tarde"}));
}

TEST_F(MappingProposalTest, DietsMatchTheSameWayWithinThePair) {
    WriteMatchingFile();
    const Variant diets = Load("0003", "matching.txt")[3];
    // " vegetariana" by name (0029 there); "Sem Glúten" shares only the code 0015 there; "Kosher"
    // nothing.
    EXPECT_EQ(Column(diets, "CDDIETORIG"), (Strings{"0007", "0015", "0009"}));
    EXPECT_EQ(Column(diets, "CDDIETDEST"), (Strings{"0029", "", ""}));
    EXPECT_EQ(Column(diets, "DSDIETDEST"), (Strings{"VEGETARIANA", "", ""}));
    EXPECT_EQ(Column(diets, "IDPROPOSTA"), (Strings{"N", "", ""}));
    EXPECT_EQ(Column(diets, "CDSERVDEST"), (Strings{"00060", "00060", "00060"}));
}

TEST_F(MappingProposalTest, DishTypesMatchByNameOnlyAndAreMarkedWhereFound) {
    WriteMatchingFile();
    const Variant load = Load("0003", "matching.txt");
    const DataPacket& types = load[4].AsPacket();
    ASSERT_EQ(types.Rows.size(), 3u);
    // "prato principal" is the destination's 27; its sequence and order are the origin's.
    EXPECT_EQ(types.Value(0, "CDTIPODEST").AsString(), "27");
    EXPECT_EQ(types.Value(0, "NMTIPODEST").AsString(), "PRATO PRINCIPAL");
    EXPECT_EQ(types.Value(0, "NRSEQDEST").AsInteger(), 1);
    EXPECT_EQ(types.Value(0, "NRORDDEST").AsInteger(), 4);
    EXPECT_EQ(types.Value(0, "IDIMPORTAR").AsString(), "S");
    // "Sopa" is not configured there: no destination, not marked, option flag kept.
    EXPECT_TRUE(types.Value(1, "CDTIPODEST").IsNull());
    EXPECT_TRUE(types.Value(1, "NRSEQDEST").IsNull());
    EXPECT_EQ(types.Value(1, "IDIMPORTAR").AsString(), "N");
    EXPECT_EQ(types.Value(1, "IDOPCORIG").AsString(), "S");
    EXPECT_EQ(types.Value(1, "CDSERVDEST").AsString(), "00060");
    // A service without destination proposes nothing for its dish types.
    EXPECT_EQ(types.Value(2, "CDSERVDEST").AsString(), "");
    EXPECT_EQ(types.Value(2, "IDIMPORTAR").AsString(), "N");
}

TEST_F(MappingProposalTest, KeptMappingsComeFirstWhileTheirDestinationStillExists) {
    WriteMatchingFile();
    {
        SqliteDatabase db(dbPath_);
        KeptMappings kept(db, "0002", "0003");
        kept.SetService("00052", "00071");                 // names differ: only kept
        kept.SetService("00099", "00999");                 // no longer registered
        kept.SetDiet("00010", "0009", {"00060", "0015"});  // beats no name
        kept.SetDiet("00010", "0007", {"00047", "0015"});  // chosen for another service: name wins
        kept.SetDiet("00010", "0015", {"00060", "0099"});  // no longer registered
        kept.SetDishType("00010", "07", 1, {"00060", "", 1, false});
        kept.SetDishType("00010", "08", 2, {"00060", "27", 3, true});
    }
    const Variant load = Load("0003", "matching.txt");
    EXPECT_EQ(Column(load[2], "CDSERVFILIDEST"), (Strings{"00060", "00071", ""}));
    EXPECT_EQ(Column(load[2], "IDPROPOSTA"), (Strings{"N", "M", ""}));
    EXPECT_EQ(Column(load[3], "CDDIETDEST"), (Strings{"0029", "", "0015"}));
    EXPECT_EQ(Column(load[3], "IDPROPOSTA"), (Strings{"N", "", "M"}));
    // Left unmarked stays unmarked though its name matches; the kept one keeps its sequence.
    EXPECT_EQ(Column(load[4], "CDTIPODEST"), (Strings{"", "27", ""}));
    EXPECT_EQ(Column(load[4], "NRSEQDEST"), (Strings{"", "3", ""}));
    EXPECT_EQ(Column(load[4], "IDIMPORTAR"), (Strings{"N", "S", "N"}));
    EXPECT_EQ(Column(load[4], "IDPROPOSTA"), (Strings{"M", "M", ""}));
}

TEST_F(MappingProposalTest, LoadRefusesBranchesThatCannotReceiveTheFile) {
    struct Case {
        const char* branch;
        const char* message;
    } cases[] = {
        {"9999", "Filial não cadastrada."},
        {"0004", "Filial com contrato rescindido."},
        {"0002", "A filial destino é a própria filial de origem do arquivo."},
    };
    for (const auto& c : cases) {
        const Answer answer = Call("ImportaCardapio", {"cardapio-demo.txt", "OPER", c.branch, Variant(), Variant(), Variant()});
        EXPECT_FALSE(answer.ok) << c.branch;
        EXPECT_EQ(answer.message, c.message);
    }
}

TEST_F(MappingProposalTest, LoadReportsAMalformedFileWithItsLine) {
    std::ofstream(dir_ / "bad.txt", std::ios::binary) << "CARDAPIO\xF8" "0002\xF8X\xF8" "20250303\xF8" "20250399\xF8\r\n";
    const Answer answer = Call("ImportaCardapio", {"bad.txt", "OPER", "0001", Variant(), Variant(), Variant()});
    EXPECT_FALSE(answer.ok);
    EXPECT_EQ(answer.message,
              "Arquivo de integração inválido: o cabeçalho do arquivo está errado (linha 1, campo 5): "
              "o último dia \"20250399\" não é um dia escrito como aaaammdd")
        << answer.message;
}

}  // namespace
}  // namespace appserver::testing
