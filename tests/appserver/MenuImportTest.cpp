#include "FileAccess.h"
#include "IntegrationFileReader.h"
#include "ServerFixture.h"

#include <atomic>
#include <thread>

namespace appserver::testing {
namespace {

using Strings = std::vector<std::string>;

// The demo file: 7 days; three hospital services with 6 diets and 6 slots, two staff services
// with 2 diets and 5 slots.
constexpr int64_t kDemoLines = 7 * (3 * 6 * 6 + 2 * 2 * 5);

class MenuImportTest : public ServerFixture {
protected:
    int64_t Menus(const std::string& branch) {
        return Count("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '" + branch + "'");
    }
    // A fingerprint of everything an import may change.
    int64_t Fingerprint() {
        return Count("SELECT (SELECT COUNT(*) FROM CARDAPIO) * 1000003 + (SELECT TOTAL(QTCOMENSAIS) FROM CARDAPIO) "
                     "+ (SELECT COUNT(*) FROM LOGIMPORTACAO) * 7 + (SELECT COUNT(*) FROM MAPSERVICO) * 11 "
                     "+ (SELECT COUNT(*) FROM MAPDIETA) * 13 + (SELECT COUNT(*) FROM MAPTIPOPRAT) * 17");
    }
    static bool Service(const DataPacket& table, size_t row, const char* field, const char* code) {
        return table.Value(row, field).AsString() == code;
    }
};

TEST_F(MenuImportTest, DemoFileImportsIntoEveryLiveBranchButItsOrigin) {
    for (const auto& branch : DemoCompany::ImportableBranches()) {
        const Answer answer = LoadAndImport(branch);
        ASSERT_TRUE(answer.ok) << branch << ": " << answer.message;
        ASSERT_EQ(answer.payload.ArrayLength(), 2u);
        EXPECT_EQ(answer.payload[0].AsString(), "OK");
        EXPECT_EQ(Menus(branch), kDemoLines) << branch;
    }
    EXPECT_EQ(Count("SELECT COUNT(*) FROM LOGIMPORTACAO"), 2);
    EXPECT_EQ(Count("SELECT QTLINHAS FROM LOGIMPORTACAO WHERE CDFILIAL = '0003'"), kDemoLines);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM LOGIMPORTACAO WHERE CDFILIORIG = '0002' AND DTINICIO = '2025-03-03' "
                    "AND DTFIM = '2025-03-09' AND CDOPERADOR = 'OPER' AND NMARQUIVO = 'cardapio-demo.txt'"),
              2);
}

TEST_F(MenuImportTest, ImportWritesExactlyTheMappedAndMarkedLines) {
    const Variant load = Load("0003");
    // Only the hospital lunch (00002 -> 00052), only diets Livre and Branda (0031 and 0017 there),
    // and the main dish slot 2 goes to the destination's dessert (09).
    const Variant services = Filter(load[2], [](const DataPacket& t, size_t r) { return Service(t, r, "CDSERVFILIORIG", "00002"); });
    const Variant diets = Filter(load[3], [](const DataPacket& t, size_t r) {
        const std::string diet = t.Value(r, "CDDIETORIG").AsString();
        return Service(t, r, "CDSERVORIG", "00002") && (diet == "0001" || diet == "0002");
    });
    Variant types = Change(load[4], "IDIMPORTAR", "N", [](const DataPacket& t, size_t r) {
        return t.Value(r, "NRSEQORIG").AsInteger() > 2;
    });
    types = Change(types, "CDTIPODEST", "09", [](const DataPacket& t, size_t r) { return t.Value(r, "NRSEQORIG").AsInteger() == 2; });

    const Answer answer = Import("0003", services, diets, types);
    ASSERT_TRUE(answer.ok) << answer.message;
    EXPECT_EQ(Menus("0003"), 7 * 2 * 2);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM CARDAPIO WHERE CDSERVFILI = '00052' AND CDDIETPAD IN ('0031', '0017') "
                    "AND ((CDTIPOPRAT = '14' AND NRSEQCNFMES = 1) OR (CDTIPOPRAT = '09' AND NRSEQCNFMES = 2))"),
              7 * 2 * 2);
    // The rows are the file's: same days, dishes and diners as the demo origin wrote them.
    EXPECT_EQ(Count("SELECT COUNT(DISTINCT DTCARDAPIO) FROM CARDAPIO WHERE CDFILIAL = '0003'"), 7);
    EXPECT_EQ(Count("SELECT MIN(DTCARDAPIO) = '2025-03-03' AND MAX(DTCARDAPIO) = '2025-03-09' FROM CARDAPIO "
                    "WHERE CDFILIAL = '0003'"),
              1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM CARDAPIO c JOIN PRATO p ON p.CDFILIAL = c.CDFILIAL AND p.CDPRATO = c.CDPRATO "
                    "WHERE c.CDFILIAL = '0003'"),
              7 * 2 * 2);
}

TEST_F(MenuImportTest, ReimportReplacesTheServiceMenusOfThePeriod) {
    Execute("UPDATE PARAMINTEGRACAO SET IDVALPERIODOINT = 'N'");
    Execute("INSERT INTO CARDAPIO VALUES ('0003', '00052', '2025-03-05', '0031', '14', 1, '000030', 999), "
            "('0003', '00052', '2025-03-10', '0031', '14', 1, '000030', 5)");
    ASSERT_TRUE(LoadAndImport("0003").ok);
    ASSERT_TRUE(LoadAndImport("0003").ok);
    // Inside the period only the file's rows; the day after the period is left alone.
    EXPECT_EQ(Menus("0003"), kDemoLines + 1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM CARDAPIO WHERE QTCOMENSAIS = 999"), 0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM CARDAPIO WHERE DTCARDAPIO = '2025-03-10'"), 1);
}

// Lines of one key make one row with their diners added up, wherever they stand in the file:
// next to each other, or one among the first rows written and one among the last.
TEST_F(MenuImportTest, LinesOfOneKeyAddUpTheirDiners) {
    const auto demo = dir_ / "cardapio-demo.txt";
    std::vector<Line> lines;
    int64_t diners = 0;
    IntegrationFileReader::Read(demo, [&](const MenuLine& l) {
        lines.push_back({std::string(l.service), l.date, std::string(l.diet), std::string(l.dishType), l.sequence,
                         std::string(l.dish), l.diners});
        diners += l.diners;
    });
    const Line first = lines.front(), last = lines.back();
    lines.insert(lines.begin() + 1, first);
    lines.push_back(first);
    lines.push_back(last);
    WriteFile("twice.txt", IntegrationFileReader::ReadDefinitions(demo).file, lines);
    ASSERT_TRUE(LoadAndImport("0003", "twice.txt").ok);
    EXPECT_EQ(Menus("0003"), kDemoLines);
    EXPECT_EQ(Count("SELECT SUM(QTCOMENSAIS) FROM CARDAPIO WHERE CDFILIAL = '0003'"),
              diners + 2 * first.diners + last.diners);
    EXPECT_GT(first.diners * last.diners, 0);
}

TEST_F(MenuImportTest, PeriodRuleAnswersWithTheBoundaryDate) {
    const Variant proposal = Load("0003");
    Execute("INSERT INTO LOGIMPORTACAO (CDFILIAL, NMARQUIVO, CDOPERADOR, CDFILIORIG, DTINICIO, DTFIM, QTLINHAS, "
            "DTHRIMPORT) VALUES ('0003', 'a.txt', 'X', '0002', '2025-03-05', '2025-03-20', 1, '2025-02-01 10:00:00')");
    // The demo week 3..9 March starts before 5 March and ends inside: ERRO_INTERVALO_INI, on
    // load and on import alike.
    const Variant load = Load("0003");
    ASSERT_EQ(load.ArrayLength(), 2u);
    EXPECT_EQ(load[0].AsString(), "ERRO_INTERVALO_INI");
    EXPECT_EQ(load[1].AsDate(), EncodeDate(2025, 3, 5));
    Answer import = Import("0003", proposal[2], proposal[3], proposal[4]);
    ASSERT_TRUE(import.ok) << import.message;
    EXPECT_EQ(import.payload[0].AsString(), "ERRO_INTERVALO_INI");
    EXPECT_EQ(import.payload[1].AsDate(), EncodeDate(2025, 3, 5));

    Execute("UPDATE LOGIMPORTACAO SET DTINICIO = '2025-03-01'");
    import = Import("0003", proposal[2], proposal[3], proposal[4]);
    EXPECT_EQ(import.payload[0].AsString(), "ERRO_INTERVALO_FIN");
    EXPECT_EQ(import.payload[1].AsDate(), EncodeDate(2025, 3, 20));
    EXPECT_EQ(Menus("0003"), 0);

    // Other branches have their own history; without the parameter the rule is off.
    EXPECT_EQ(Load("0001")[0].AsString(), "OK");
    Execute("UPDATE PARAMINTEGRACAO SET IDVALPERIODOINT = 'N'");
    EXPECT_EQ(Load("0003")[0].AsString(), "OK");
}

TEST_F(MenuImportTest, RefusalsLeaveTheDatabaseUntouched) {
    const Variant load = Load("0003");
    const auto hospitalDiets = [](const DataPacket& t, size_t r) { return !Service(t, r, "CDSERVORIG", "00001"); };
    struct Case {
        const char* name;
        std::function<void()> arrange;
        Variant diets;
        const char* message;
    } cases[] = {
        {"missing dish", [&] { Execute("DELETE FROM PRATO WHERE CDFILIAL = '0003' AND CDPRATO = '000015'"); }, load[3],
         "Operação bloqueada. Não existe o prato \"000015 - Lasanha à bolonhesa\" na filial 0003. Realize a exportação "
         "da árvore de pratos da filial 0002 antes de importar o cardápio (módulo Administrador / Integração / "
         "Importação de Dados / Cadastros / Prato)."},
        {"withdrawal", [&] {
             Execute("INSERT INTO RETIRADA (CDFILIAL, CDSERVFILI, DTRETIRADA) VALUES ('0003', '00047', '2025-03-09')");
         }, load[3], "Operação bloqueada. Não é possível sobrepor cardápios havendo retiradas para o mesmo período."},
        {"hospital without diet", [] {}, Filter(load[3], hospitalDiets),
         "É necessária a existência de pelo menos uma dieta para serviços hospitalares."},
    };
    for (auto& c : cases) {
        Execute("DELETE FROM RETIRADA WHERE DTRETIRADA = '2025-03-09'");
        Execute("INSERT OR IGNORE INTO PRATO VALUES ('0003', '000015', 'Lasanha à bolonhesa')");
        Execute("INSERT OR REPLACE INTO CARDAPIO VALUES ('0003', '00060', '2025-03-04', '0015', '18', 1, '000001', 77)");
        const int64_t before = Fingerprint();
        c.arrange();
        const Answer answer = Import("0003", load[2], c.diets, load[4]);
        EXPECT_FALSE(answer.ok) << c.name;
        EXPECT_EQ(answer.message, c.message) << c.name;
        EXPECT_EQ(Fingerprint(), before) << c.name;
    }
}

// A dish type is checked in the configuration of the day the screen matched it for, the one its
// lookup listed, not in whatever configuration once held the code.
TEST_F(MenuImportTest, DishTypeMustBeInTheConfigurationOfTheDayItWasMatchedFor) {
    // From April the hospital lunch's first slot is dish type 07.
    Execute("INSERT INTO CNFCARDAPIO SELECT CDFILIAL, CDSERVFILI, '2025-04-01', CASE CDTIPOPRAT WHEN '14' "
            "THEN '07' "
            "ELSE CDTIPOPRAT END, NRSEQCNFMES, NRORDCNFMES, NMTIPOPRAT, IDOPCCNFMES FROM CNFCARDAPIO "
            "WHERE CDFILIAL = '0003' AND CDSERVFILI = '00052'");
    const Variant load = Load("0003");
    const auto firstSlot = [](const DataPacket& t, size_t r) {
        return Service(t, r, "CDSERVDEST", "00052") && t.Value(r, "NRSEQORIG").AsInteger() == 1;
    };
    struct Case {
        const char* code;
        Variant matchedFor;
        bool ok;
    } cases[] = {
        {"07", EncodeDate(2025, 4, 1), true},
        {"14", EncodeDate(2025, 4, 1), false}, // registered, but only before April
        {"07", Variant(), false},              // no day: the file's first day, before April
    };
    for (const auto& c : cases) {
        const Variant dishTypes =
            Change(Change(load[4], "CDTIPODEST", c.code, firstSlot), "DTCNFDEST", c.matchedFor, firstSlot);
        const Answer answer = Import("0003", load[2], load[3], dishTypes);
        EXPECT_EQ(answer.message, c.ok ? "" : "Tipo de Prato não cadastrado.") << c.code;
        Execute("DELETE FROM LOGIMPORTACAO");
    }
}

// The import carries one destination per origin: a second one is refused, not dropped.
TEST_F(MenuImportTest, AnOriginMappedToTwoDestinationsIsRefusedNamingTheCodesAndNothingIsWritten) {
    const Variant load = Load("0003");
    const auto lunch = [](const DataPacket& t, size_t r) { return Service(t, r, "CDSERVFILIORIG", "00002"); };
    const auto liquid = [](const DataPacket& t, size_t r) {
        return Service(t, r, "CDSERVORIG", "00002") && Service(t, r, "CDDIETORIG", "0004");
    };
    // The matching row once more, mapped to another destination.
    const auto twice = [](const Variant& packet, const auto& match, const char* field, const char* code) {
        DataPacket table = packet.AsPacket();
        for (size_t r = 0; r < packet.AsPacket().Rows.size(); ++r) {
            if (!match(table, r)) continue;
            std::vector<Variant> values = table.Rows[r].Values;
            values[*table.FieldIndex(field)] = code;
            table.AddRow(std::move(values));
        }
        return Variant(std::move(table));
    };
    const Variant diets = Change(load[3], "CDDIETDEST", "0105", liquid);
    const struct {
        Variant services, diets;
        const char* message;
    } cases[] = {
        {twice(load[2], lunch, "CDSERVFILIDEST", "00053"), diets,
         "O serviço origem 00002 está mapeado para dois serviços destino (00052 e 00053); mapeie-o para um só."},
        {load[2], twice(diets, liquid, "CDDIETDEST", "0107"),
         "A dieta origem 0004 do serviço origem 00002 está mapeada para duas dietas destino (0105 e 0107); "
         "mapeie-a para uma só."},
    };
    for (const auto& c : cases) {
        const int64_t before = Fingerprint();
        const Answer answer = Import("0003", c.services, c.diets, load[4]);
        EXPECT_FALSE(answer.ok);
        EXPECT_EQ(answer.message, c.message);
        EXPECT_EQ(Fingerprint(), before);
    }
}

TEST_F(MenuImportTest, NothingToWriteIsRefused) {
    const Variant load = Load("0003");
    const Variant none = Change(load[4], "IDIMPORTAR", "N", [](const DataPacket&, size_t) { return true; });
    const Answer answer = Import("0003", load[2], load[3], none);
    EXPECT_FALSE(answer.ok);
    EXPECT_EQ(answer.message, "Cardápios exportados não possuem pratos.");
}

// Hands the real reader's lines through, then fails after a number of them, as a disk error in
// the middle of a large file would.
class FailingReads : public LocalFileAccess {
public:
    explicit FailingReads(int failAfter) : failAfter_(failAfter) {}
    IntegrationFileReadResult Read(const std::filesystem::path& path, const MenuLineSink& sink) const override {
        if (!sink) return LocalFileAccess::Read(path, sink);
        int seen = 0;
        IntegrationFileReadResult result = LocalFileAccess::Read(path, [&](const MenuLine& line) {
            if (seen++ < failAfter_) sink(line);
        });
        result.ok = false;
        result.error = "I/O error reading the file";
        return result;
    }

private:
    int failAfter_;
};

TEST_F(MenuImportTest, AFailureMidwayLeavesTheDatabaseAsBefore) {
    const Variant load = Load("0003");
    const int64_t before = Fingerprint();
    module_ = MakeModule(std::make_shared<FailingReads>(500));
    const Answer answer = Import("0003", load[2], load[3], load[4]);
    EXPECT_FALSE(answer.ok);
    EXPECT_NE(answer.message.find("I/O error"), std::string::npos) << answer.message;
    EXPECT_EQ(Fingerprint(), before);
}

TEST_F(MenuImportTest, TwoConcurrentImportsIntoOneBranchCannotBothPassThePeriodRule) {
    const Variant load = Load("0003");
    std::atomic<int> ok{0}, conflicts{0};
    auto run = [&] {
        const Answer answer = Import("0003", load[2], load[3], load[4]);
        if (answer.ok && answer.payload[0].AsString() == "OK") ++ok;
        if (answer.ok && answer.payload[0].AsString() == "ERRO_INTERVALO_FIN") ++conflicts;
    };
    std::thread first(run), second(run);
    first.join();
    second.join();
    EXPECT_EQ(ok.load(), 1);
    EXPECT_EQ(conflicts.load(), 1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM LOGIMPORTACAO"), 1);
}

TEST_F(MenuImportTest, ImportRefusesTablesThatAreNotAllPacketsOrAllNull) {
    const Variant load = Load("0003");
    EXPECT_FALSE(Import("0003", load[2], Variant(), load[4]).ok);
    EXPECT_FALSE(Import("0003", load[2], "texto", load[4]).ok);
    DataPacket noFields;
    EXPECT_FALSE(Import("0003", load[2], load[3], Variant(noFields)).ok);
}

}  // namespace
}  // namespace appserver::testing
