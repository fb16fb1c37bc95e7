#include "ServerFixture.h"

namespace appserver::testing {
namespace {

using Strings = std::vector<std::string>;

class MappingMethodsTest : public ServerFixture {
protected:
    Answer Set(const char* kind, const char* service, const char* code, Variant sequence, const char* target,
               const char* destination = "0003") {
        return Call("SetMapeamento", {"0002", destination, kind, service, code, sequence, target});
    }
    Variant List() { return Payload("GetMapeamentos", {"0002", "0003"}); }
};

TEST_F(MappingMethodsTest, SetListAndRemoveKeepEachKindWithTheNamesOfBothBranches) {
    ASSERT_TRUE(Set("SERVICO", "00002", "", Variant(), "00071").ok);
    ASSERT_TRUE(Set("DIETA", "00002", "0002", Variant(), "0017").ok);
    ASSERT_TRUE(Set("TIPOPRATO", "00002", "02", 2, "06").ok);
    ASSERT_TRUE(Set("TIPOPRATO", "00002", "04", 5, "").ok);  // left unmarked
    Variant kept = List();
    EXPECT_EQ(Column(kept[0], "CDSERVDEST"), Strings{"00071"});
    EXPECT_EQ(Column(kept[0], "NMSERVDEST"), Strings{"DESJEJUM HOSPITALAR"});
    EXPECT_EQ(Column(kept[1], "CDDIETDEST"), Strings{"0017"});
    EXPECT_EQ(Column(kept[1], "CDSERVDEST"), Strings{"00071"});
    EXPECT_EQ(Column(kept[1], "DSDIETDEST"), Strings{"BRANDA"});
    EXPECT_EQ(Column(kept[2], "CDTIPODEST"), (Strings{"06", ""}));
    EXPECT_EQ(Column(kept[2], "NRSEQDEST"), (Strings{"2", "5"}));
    EXPECT_EQ(Column(kept[2], "IDIMPORTAR"), (Strings{"S", "N"}));
    EXPECT_EQ(Column(kept[2], "NMTIPODEST"), (Strings{"PRATO PRINCIPAL", ""}));

    ASSERT_TRUE(Call("RemoveMapeamento", {"0002", "0003", "DIETA", "00002", "0002", Variant()}).ok);
    ASSERT_TRUE(Call("RemoveMapeamento", {"0002", "0003", "TIPOPRATO", "00002", "02", 2}).ok);
    kept = List();
    EXPECT_EQ(kept[1].AsPacket().Rows.size(), 0u);
    EXPECT_EQ(Column(kept[2], "CDTIPOORIG"), Strings{"04"});
    EXPECT_EQ(Call("RemoveMapeamento", {"0002", "0003", "DIETA", "00002", "0002", Variant()}).message,
              "Mapeamento não encontrado.");
}

TEST_F(MappingMethodsTest, RefusesWhatTheDestinationBranchDoesNotHaveAndChangesNothing) {
    struct Case {
        const char* kind;
        const char* service;
        const char* code;
        Variant sequence;
        const char* target;
        const char* destination;
        const char* message;
    } cases[] = {
        {"SERVICO", "00001", "", Variant(), "00071", "9999", "Filial destino 9999 não cadastrada."},
        {"SERVICO", "00001", "", Variant(), "00071", "0002", "A filial destino deve ser diferente da filial origem."},
        {"PRATO", "00001", "", Variant(), "00071", "0003",
         "Tipo de mapeamento desconhecido: \"PRATO\" (use SERVICO, DIETA ou TIPOPRATO)."},
        {"SERVICO", "00001", "", Variant(), "00001", "0003", "Serviço destino 00001 não cadastrado na filial 0003."},
        {"DIETA", "00003", "0001", Variant(), "0031", "0003",
         "O serviço origem 00003 não está mapeado para um serviço destino; mapeie o serviço antes."},
        {"DIETA", "00001", "0001", Variant(), "0001", "0003", "Dieta 0001 não cadastrada para o serviço destino 00071."},
        {"TIPOPRATO", "00001", "02", "2", "06", "0003",
         "A sequência do tipo de prato origem deve ser um número inteiro."},
        {"TIPOPRATO", "00001", "02", 2, "27", "0003",
         "Tipo de prato 27 não cadastrado na configuração do serviço destino 00071."},
    };
    ASSERT_TRUE(Set("SERVICO", "00001", "", Variant(), "00071").ok);
    for (const auto& c : cases) {
        const Answer answer = Set(c.kind, c.service, c.code, c.sequence, c.target, c.destination);
        EXPECT_FALSE(answer.ok) << c.message;
        EXPECT_EQ(answer.message, c.message);
    }
    const Variant kept = List();
    EXPECT_EQ(Column(kept[0], "CDSERVDEST"), Strings{"00071"});
    EXPECT_EQ(kept[1].AsPacket().Rows.size() + kept[2].AsPacket().Rows.size(), 0u);
}

}  // namespace
}  // namespace appserver::testing
