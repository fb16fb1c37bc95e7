// The history of import attempts: what a written import used, wrote and left out, and every
// offending row of a refused one.
#include "HistoryReport.h"
#include "ServerFixture.h"
#include "Sha256.h"

namespace appserver::testing {
namespace {

using Strings = std::vector<std::string>;

class ImportHistoryTest : public ServerFixture {
protected:
    Variant Detail() { return Payload("GetHistoricoDetalhe", {Count("SELECT MAX(NRHISTORICO) FROM HISTIMPORTACAO")}); }
    static bool Is(const DataPacket& t, size_t r, const char* field, const char* code) {
        return t.Value(r, field).AsString() == code;
    }
};

TEST_F(ImportHistoryTest, WrittenImportRecordsItsMappingsCountsAndLinesLeftOut) {
    Execute("INSERT INTO CARDAPIO VALUES ('0003', '00052', '2025-03-05', '0031', '14', 1, '000030', 9)");
    const Variant load = Load("0003");
    // Staff supper 00011 unmapped (2 diets x 5 slots x 7 days), hospital lunch 00002 without its
    // diet 0003 (6 slots x 7 days), hospital breakfast 00001 with slots 3..6 unmarked (6 diets x 4
    // x 7 days).
    const Variant services = Filter(load[2], [](const DataPacket& t, size_t r) { return !Is(t, r, "CDSERVFILIORIG", "00011"); });
    const Variant diets = Filter(load[3], [](const DataPacket& t, size_t r) {
        return !(Is(t, r, "CDSERVORIG", "00002") && Is(t, r, "CDDIETORIG", "0003"));
    });
    const Variant types = Change(load[4], "IDIMPORTAR", "N", [](const DataPacket& t, size_t r) {
        return Is(t, r, "CDSERVORIG", "00001") && t.Value(r, "NRSEQORIG").AsInteger() > 2;
    });
    ASSERT_TRUE(Import("0003", services, diets, types).ok);

    const Variant detail = Detail();
    const DataPacket& row = detail[0].AsPacket();
    EXPECT_EQ(row.Value(0, "IDRESULTADO").AsString(), "G");
    EXPECT_EQ(row.Value(0, "QTSEMSERVICO").AsInteger(), 70);
    EXPECT_EQ(row.Value(0, "QTSEMDIETA").AsInteger(), 42);
    EXPECT_EQ(row.Value(0, "QTSEMTIPO").AsInteger(), 168);
    EXPECT_EQ(row.Value(0, "QTGRAVADAS").AsInteger(), 896 - 70 - 42 - 168);
    EXPECT_EQ(row.Value(0, "QTGRAVADAS").AsInteger(), Count("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0003'"));
    EXPECT_EQ(row.Value(0, "QTSUBSTITUIDAS").AsInteger(), 1);
    EXPECT_EQ(row.Value(0, "DSSHA256").AsString(), Sha256::OfFile(dir_ / "cardapio-demo.txt"));
    EXPECT_EQ(row.Value(0, "CDFILIORIG").AsString(), "0002");
    const Strings mappings = HistoryReport::Texts(detail, "M");
    EXPECT_EQ(mappings.front(), "Serviço 00001 -> 00071");
    EXPECT_EQ(std::count(mappings.begin(), mappings.end(), "Dieta (serviço, dieta) 00002 0001 -> 0031"), 1);
    EXPECT_TRUE(HistoryReport::Texts(detail, "R").empty());
}

TEST_F(ImportHistoryTest, RefusalNamesEveryOffendingRowOnceAndWritesNothing) {
    const auto dish = [](const char* code, const char* name) {
        return "Operação bloqueada. Não existe o prato \"" + std::string(code) + " - " + name +
               "\" na filial 0003. Realize a exportação da árvore de pratos da filial 0002 antes de importar o "
               "cardápio (módulo Administrador / Integração / Importação de Dados / Cadastros / Prato).";
    };
    struct Case {
        const char* arrange;
        std::string message;
        Strings reasons;
    } cases[] = {
        {"DELETE FROM PRATO WHERE CDFILIAL = '0003' AND CDPRATO IN ('000015', '000001', '000030')",
         dish("000001", "Arroz branco"),
         {dish("000001", "Arroz branco"), dish("000015", "Lasanha à bolonhesa"), dish("000030", "Salada de frutas")}},
        {"INSERT INTO RETIRADA (CDFILIAL, CDSERVFILI, DTRETIRADA) VALUES ('0003', '00047', '2025-03-09'), "
         "('0003', '00071', '2025-03-03')",
         "Operação bloqueada. Não é possível sobrepor cardápios havendo retiradas para o mesmo período.",
         {"Operação bloqueada. Não é possível sobrepor cardápios havendo retiradas para o mesmo período. "
          "(retirada de 2025-03-09, serviço destino 00047)",
          "Operação bloqueada. Não é possível sobrepor cardápios havendo retiradas para o mesmo período. "
          "(retirada de 2025-03-03, serviço destino 00071)"}},
    };
    for (const auto& c : cases) {
        const Variant load = Load("0003");
        Execute(c.arrange);
        const Answer answer = Import("0003", load[2], load[3], load[4]);
        EXPECT_EQ(answer.message, c.message);
        const Variant detail = Detail();
        EXPECT_EQ(detail[0].AsPacket().Value(0, "IDRESULTADO").AsString(), "R");
        Strings reasons = HistoryReport::Texts(detail, "R");
        EXPECT_EQ(reasons, c.reasons);
        EXPECT_EQ(Count("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0003'") +
                      Count("SELECT COUNT(*) FROM LOGIMPORTACAO") + Count("SELECT COUNT(*) FROM HISTCARDAPIO"),
                  0);
    }
    EXPECT_EQ(Count("SELECT COUNT(*) FROM HISTIMPORTACAO WHERE IDRESULTADO = 'R'"), 2);
}

}  // namespace
}  // namespace appserver::testing
