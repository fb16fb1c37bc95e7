// Undo of written imports, checked against a model of the menu table: random sequences of
// imports (overlapping and not), undos and hand edits of menus; undo's refusals; undo racing an
// import of the same branch.
#include "IntegrationFileReader.h"
#include "ServerFixture.h"
#include "SqliteStatement.h"

#include <latch>
#include <map>
#include <random>
#include <thread>

namespace appserver::testing {
namespace {

// A menu row of branch 0003: its key and its diners.
using Rows = std::map<std::string, int64_t>;

class ImportUndoTest : public ServerFixture {
protected:
    void SetUp() override {
        ServerFixture::SetUp();
        Execute("UPDATE PARAMINTEGRACAO SET IDVALPERIODOINT = 'N'");
        IntegrationFileReader::Read(dir_ / "cardapio-demo.txt", [&](const MenuLine& l) {
            demoLines_.push_back({std::string(l.service), l.date, std::string(l.diet), std::string(l.dishType),
                                  l.sequence, std::string(l.dish), l.diners});
        });
        demo_ = IntegrationFileReader::ReadDefinitions(dir_ / "cardapio-demo.txt").file;
    }
    // A demo-like file shifted by `days`, with a random share of its lines and random diners.
    std::string ShiftedFile(int days, std::mt19937& random) {
        IntegrationFile file = demo_;
        file.header.firstDay = TDateTime(file.header.firstDay.Value + days);
        file.header.lastDay = TDateTime(file.header.lastDay.Value + days);
        std::vector<Line> lines;
        for (Line line : demoLines_) {
            if (random() % 3 == 0) continue;
            line.date = TDateTime(line.date.Value + days);
            line.diners = static_cast<int>(random() % 90 + 1);
            lines.push_back(line);
        }
        const std::string name = "f" + std::to_string(files_++) + ".txt";
        WriteFile(name, file, lines);
        return name;
    }
    Rows Menus(const std::string& where = "") {
        SqliteDatabase db(dbPath_);
        auto query = db.Prepare(
            "SELECT CDSERVFILI || '|' || DTCARDAPIO || '|' || CDDIETPAD || '|' || CDTIPOPRAT || '|' || NRSEQCNFMES || "
            "'|' || CDPRATO, QTCOMENSAIS FROM CARDAPIO WHERE CDFILIAL = '0003' " + where);
        Rows rows;
        while (query.Step()) rows[query.Text(0)] = query.Integer(1);
        return rows;
    }
    int64_t Newest() { return Count("SELECT MAX(NRHISTORICO) FROM HISTIMPORTACAO"); }
    Answer Undo(int64_t id) { return Call("DesfazImportacao", {id, "DESF"}); }

    IntegrationFile demo_;
    std::vector<Line> demoLines_;
    int files_ = 0;
};

// What the model knows of one written import.
struct Written {
    int64_t id;
    std::string first, last;
    Rows before;  // the rows of its period it replaced
    bool undone = false, edited = false;
};

bool Within(const std::string& key, const std::string& first, const std::string& last) {
    const std::string day = key.substr(6, 10);
    return day >= first && day <= last;
}

void Replace(Rows& rows, const std::string& first, const std::string& last, const Rows& with) {
    std::erase_if(rows, [&](const auto& row) { return Within(row.first, first, last); });
    rows.insert(with.begin(), with.end());
}

TEST_F(ImportUndoTest, RandomImportsUndosAndEditsKeepTheMenusAsTheModelSays) {
    for (const unsigned seed : {7u, 1234u, 99991u}) {
        std::mt19937 random(seed);
        Execute("DELETE FROM CARDAPIO");
        Rows model;
        std::vector<Written> imports;
        for (int step = 0; step < 24; ++step) {
            const unsigned action = random() % 6;
            if (action < 3 || imports.empty()) {
                const int shift = static_cast<int>(random() % 15);
                const std::string file = ShiftedFile(shift, random);
                const std::string first = IsoDate(TDateTime(demo_.header.firstDay.Value + shift));
                const std::string last = IsoDate(TDateTime(demo_.header.lastDay.Value + shift));
                Rows before = Menus("AND DTCARDAPIO BETWEEN '" + first + "' AND '" + last + "'");
                ASSERT_TRUE(LoadAndImport("0003", file).ok);
                const Rows after = Menus("AND DTCARDAPIO BETWEEN '" + first + "' AND '" + last + "'");
                EXPECT_FALSE(after.empty());
                Replace(model, first, last, after);
                imports.push_back({Newest(), first, last, std::move(before)});
            } else if (action < 5) {
                Written& undo = imports[random() % imports.size()];
                bool blocked = undo.undone || undo.edited;
                for (const auto& later : imports)
                    blocked = blocked || (later.id > undo.id && !later.undone && later.first <= undo.last &&
                                          later.last >= undo.first);
                const Answer answer = Undo(undo.id);
                ASSERT_EQ(answer.ok, !blocked) << "seed " << seed << " step " << step << ": " << answer.message;
                if (answer.ok) {
                    Replace(model, undo.first, undo.last, undo.before);
                    undo.undone = true;
                }
            } else if (!model.empty()) {
                auto row = std::next(model.begin(), static_cast<long>(random() % model.size()));
                const std::string key = row->first;
                Execute("UPDATE CARDAPIO SET QTCOMENSAIS = QTCOMENSAIS + 1000 WHERE CDFILIAL = '0003' AND CDSERVFILI "
                        "|| '|' || DTCARDAPIO || '|' || CDDIETPAD || '|' || CDTIPOPRAT || '|' || NRSEQCNFMES || '|' || "
                        "CDPRATO = '" + key + "'");
                row->second += 1000;
                for (auto& written : imports)
                    written.edited = written.edited || (!written.undone && Within(key, written.first, written.last));
            }
            ASSERT_EQ(Menus(), model) << "seed " << seed << " step " << step;
            ASSERT_EQ(Count("SELECT COUNT(*) FROM LOGIMPORTACAO WHERE CDFILIAL = '0003'"),
                      std::count_if(imports.begin(), imports.end(), [](const Written& w) { return !w.undone; }));
        }
        Execute("DELETE FROM LOGIMPORTACAO");
    }
}

TEST_F(ImportUndoTest, RefusesWithAReasonAndChangesNothing) {
    std::mt19937 random(5);
    ASSERT_TRUE(LoadAndImport("0003").ok);
    const int64_t first = Newest();
    ASSERT_TRUE(LoadAndImport("0003", ShiftedFile(6, random)).ok);
    const int64_t second = Newest();
    const Variant load = Load("0003");
    Execute("DELETE FROM PRATO WHERE CDFILIAL = '0003' AND CDPRATO = '000015'");
    ASSERT_FALSE(Import("0003", load[2], load[3], load[4]).ok);
    const int64_t refused = Newest();
    struct Case {
        int64_t id;
        const char* arrange;
        std::string message;
    } cases[] = {
        {first, "", "A importação " + std::to_string(second) + ", posterior, cobre parte do mesmo período na filial "
                    "0003. Desfaça-a antes da " + std::to_string(first) + "."},
        {refused, "", "A importação " + std::to_string(refused) + " não gravou cardápios: não há o que desfazer."},
        {second, "UPDATE CARDAPIO SET QTCOMENSAIS = 0 WHERE DTCARDAPIO = '2025-03-15' AND CDSERVFILI = '00060'",
         "Os cardápios do período da importação " + std::to_string(second) +
             " foram alterados depois dela: desfazê-la perderia essas alterações."},
        {second, "UPDATE HISTIMPORTACAO SET IDDESFAZIVEL = 'N'",
         "A importação " + std::to_string(second) + " não pode mais ser desfeita: os cardápios que ela substituiu já "
         "foram descartados."},
        {99, "", "Importação 99 não encontrada no histórico."},
    };
    for (const auto& c : cases) {
        if (*c.arrange) Execute(c.arrange);
        const Rows before = Menus();
        const int64_t logs = Count("SELECT COUNT(*) FROM LOGIMPORTACAO");
        const Answer answer = Undo(c.id);
        EXPECT_FALSE(answer.ok);
        EXPECT_EQ(answer.message, c.message);
        EXPECT_EQ(Menus(), before);
        EXPECT_EQ(Count("SELECT COUNT(*) FROM LOGIMPORTACAO"), logs);
    }
}

TEST_F(ImportUndoTest, PrunesWhatUndoNeedsOnceTheSpanHasPassed) {
    ASSERT_TRUE(LoadAndImport("0003").ok);
    const int64_t old = Newest();
    Execute("INSERT INTO CARDAPIO VALUES ('0001', '00002', '2025-03-05', '0001', '01', 1, '000030', 5)");
    clock_->now = TDateTime(clock_->now.Value + 91);
    ASSERT_TRUE(LoadAndImport("0001").ok);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM HISTCARDAPIO"), 1);
    EXPECT_EQ(Count("SELECT IDDESFAZIVEL = 'N' FROM HISTIMPORTACAO WHERE NRHISTORICO = " + std::to_string(old)), 1);
    EXPECT_FALSE(Undo(old).ok);
    ASSERT_TRUE(Undo(Newest()).ok);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0001'"), 1);
    EXPECT_EQ(Count("SELECT CDOPERDESFEZ = 'DESF' AND DTHRDESFEITA IS NOT NULL FROM HISTIMPORTACAO WHERE NRHISTORICO = " +
                    std::to_string(Newest())),
              1);
}

// Undo of the demo import against a second import of the same file into the same branch: taken
// one after the other in either order, never interleaved.
TEST_F(ImportUndoTest, UndoAndImportOfOneBranchRunOneAfterTheOther) {
    for (int round = 0; round < 10; ++round) {
        Execute("DELETE FROM CARDAPIO; DELETE FROM LOGIMPORTACAO");
        ASSERT_TRUE(LoadAndImport("0003").ok);
        const int64_t id = Newest();
        const Rows imported = Menus();
        const Variant load = Load("0003");
        std::latch start(2);
        Answer undo, import;
        std::thread undoing([&] { start.arrive_and_wait(); undo = Undo(id); });
        std::thread importing([&] { start.arrive_and_wait(); import = Import("0003", load[2], load[3], load[4]); });
        undoing.join();
        importing.join();
        ASSERT_TRUE(import.ok) << import.message;
        EXPECT_EQ(Menus(), imported);
        if (undo.ok) {
            EXPECT_EQ(Count("SELECT COUNT(*) FROM LOGIMPORTACAO"), 1);
        } else {
            EXPECT_EQ(undo.message, "A importação " + std::to_string(Newest()) + ", posterior, cobre parte do mesmo "
                                    "período na filial 0003. Desfaça-a antes da " + std::to_string(id) + ".");
            EXPECT_EQ(Count("SELECT COUNT(*) FROM LOGIMPORTACAO"), 2);
        }
    }
}

}  // namespace
}  // namespace appserver::testing
