#include "ServerFixture.h"

#include "FileAccess.h"
#include "IntegrationFileReader.h"
#include "SqliteStatement.h"
#include "Text.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

namespace appserver::testing {
namespace {

namespace fs = std::filesystem;

const TDateTime kMonday = EncodeDate(2025, 3, 3), kSunday = EncodeDate(2025, 3, 9);

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// A disk with room for `room` more bytes of a new file; none at all (the folder cannot be
// written) when `room` is negative. The bytes that fit do land in the file.
class FillingDisk : public LocalFileAccess {
public:
    explicit FillingDisk(std::streamsize room) : room_(room) {}
    WriteOutcome Write(const fs::path& path, const std::function<void(std::ostream&)>& write) const override {
        if (room_ < 0) return WriteOutcome::CannotCreate;
        return LocalFileAccess::Write(path, [&](std::ostream& out) {
            Room buffer(*out.rdbuf(), room_);
            std::ostream limited(&buffer);
            write(limited);
            if (!limited) out.setstate(std::ios::badbit);
        });
    }

private:
    struct Room : std::streambuf {
        Room(std::streambuf& disk, std::streamsize left) : disk(disk), left(left) {}
        int_type overflow(int_type c) override { return left-- > 0 ? disk.sputc(static_cast<char>(c)) : traits_type::eof(); }
        std::streambuf& disk;
        std::streamsize left;
    };
    std::streamsize room_;
};

class MenuExportTest : public ServerFixture {
protected:
    Answer Export(const std::string& branch, const std::string& target = "", TDateTime first = kMonday,
                  TDateTime last = kSunday, const Variant& services = Variant()) {
        return Call("ExportaCardapio", {branch, first, last, services, target});
    }
    // Everything in the folder but the store and the demo file.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            const std::string name = entry.path().filename().string();
            if (!name.starts_with("empresa.db") && name != "cardapio-demo.txt") names.push_back(name);
        }
        return names;
    }
    // Random menus of the origin branch for the period: each slot of each day takes a dish with
    // odds of one in two, sometimes a second one, diners over the whole range the file allows.
    void GenerateOriginMenus(std::mt19937& random, TDateTime first, int days);
    // The menu rows of a branch by the names of their service, diet and dish type (folded as the
    // mapping proposal folds them), day shifted by `shift` days, sorted.
    std::vector<std::string> MenusByName(const std::string& branch, TDateTime first, TDateTime last, int shift = 0);
};

void MenuExportTest::GenerateOriginMenus(std::mt19937& random, TDateTime first, int days) {
    SqliteDatabase db(dbPath_);
    SqliteTransaction transaction(db);
    auto slots = db.Prepare(
        "SELECT d.CDSERVFILI, d.CDDIETPAD, c.CDTIPOPRAT, c.NRSEQCNFMES FROM SERVDIETA d JOIN CNFCARDAPIO c "
        "USING (CDFILIAL, CDSERVFILI) WHERE CDFILIAL = '0002'");
    auto insert = db.Prepare("INSERT OR IGNORE INTO CARDAPIO VALUES ('0002', ?, ?, ?, ?, ?, ?, ?)");
    std::uniform_int_distribution<int> dish(1, 30), diners(0, 999999999), coin(0, 3);
    while (slots.Step()) {
        for (int day = 0; day < days; ++day) {
            for (int copies = coin(random) / 2 + coin(random) / 3; copies > 0; --copies) {
                char code[8];
                std::snprintf(code, sizeof code, "%06d", dish(random));
                insert.Bind(1, slots.Text(0)).BindDate(2, first + day).Bind(3, slots.Text(1)).Bind(4, slots.Text(2))
                    .Bind(5, slots.Integer(3)).Bind(6, code).Bind(7, diners(random)).Run();
            }
        }
    }
    transaction.Commit();
}

std::vector<std::string> MenuExportTest::MenusByName(const std::string& branch, TDateTime first, TDateTime last,
                                                     int shift) {
    SqliteDatabase db(dbPath_);
    auto rows = db.Prepare(
        "SELECT s.NMSERVICO, m.DTCARDAPIO, d.DSDIETPAD, (SELECT MAX(NMTIPOPRAT) FROM CNFCARDAPIO t WHERE "
        "t.CDFILIAL = m.CDFILIAL AND t.CDSERVFILI = m.CDSERVFILI AND t.CDTIPOPRAT = m.CDTIPOPRAT), "
        "m.NRSEQCNFMES, m.CDPRATO, m.QTCOMENSAIS FROM CARDAPIO m JOIN SERVFILI s USING (CDFILIAL, CDSERVFILI) "
        "JOIN SERVDIETA d USING (CDFILIAL, CDSERVFILI, CDDIETPAD) WHERE m.CDFILIAL = ? AND m.DTCARDAPIO BETWEEN ? AND ?");
    rows.Bind(1, branch).BindDate(2, first).BindDate(3, last);
    std::vector<std::string> menus;
    while (rows.Step()) {
        menus.push_back(FoldForMatch(rows.Text(0)) + "|" + IsoDate(rows.Date(1) + shift) + "|" +
                        FoldForMatch(rows.Text(2)) + "|" + FoldForMatch(rows.Text(3)) + "|" + rows.Text(4) + "|" +
                        rows.Text(5) + "|" + rows.Text(6));
    }
    std::sort(menus.begin(), menus.end());
    return menus;
}

// The menus of a file by the names its own definitions give their codes, sorted.
std::vector<std::string> FileMenusByName(const fs::path& path) {
    std::vector<std::array<std::string, 7>> lines;
    const auto read = IntegrationFileReader::Read(path, [&](const MenuLine& line) {
        lines.push_back({std::string(line.service), IsoDate(line.date), std::string(line.diet),
                         std::string(line.dishType), std::to_string(line.sequence), std::string(line.dish),
                         std::to_string(line.diners)});
    });
    EXPECT_TRUE(read.ok) << read.error;
    std::map<std::string, std::string> names;
    for (const auto& s : read.file.services) names[s.code] = FoldForMatch(s.name);
    for (const auto& d : read.file.diets) names[d.service + d.code] = FoldForMatch(d.name);
    for (const auto& t : read.file.dishTypes) names[t.service + "/" + t.code] = FoldForMatch(t.name);
    std::vector<std::string> menus;
    for (const auto& l : lines)
        menus.push_back(names[l[0]] + "|" + l[1] + "|" + names[l[0] + l[2]] + "|" + names[l[0] + "/" + l[3]] + "|" +
                        l[4] + "|" + l[5] + "|" + l[6]);
    std::sort(menus.begin(), menus.end());
    return menus;
}

TEST_F(MenuExportTest, DemoFileIsTheOriginsExportOfItsWeekWrittenOrAnswered) {
    const Answer answered = Export("0002");
    ASSERT_TRUE(answered.ok) << answered.message;
    const std::string demo = Bytes(dir_ / "cardapio-demo.txt");
    EXPECT_EQ(EncodeWindows1252(answered.payload[6].AsString()), demo);

    const Answer written = Export("0002", (dir_ / "semana.txt").string());
    ASSERT_TRUE(written.ok) << written.message;
    EXPECT_EQ(Bytes(dir_ / "semana.txt"), demo);
    EXPECT_EQ(written.payload, VarArrayOf({(dir_ / "semana.txt").string(), int64_t{5}, int64_t{22}, int64_t{28},
                                           int64_t{30}, int64_t{896}, Variant()}));
    EXPECT_EQ(Leftovers(), std::vector<std::string>{"semana.txt"});

    const Answer lunch = Export("0002", "", kMonday, kMonday, VarArrayOf({"00010"}));
    ASSERT_TRUE(lunch.ok) << lunch.message;
    EXPECT_EQ(lunch.payload[5].AsInteger(), 2 * 5);  // one day, two diets, five slots
    EXPECT_EQ(lunch.payload[1].AsInteger(), 1);
}

// Export from the origin, import into 0003 (codes of its own, mapped by name), export again: the
// destination holds the origin's menus and the two files carry the same menus.
TEST_F(MenuExportTest, RoundTripThroughABranchWithOtherCodesKeepsEveryMenu) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        // Each seed a period of its own, after the last, as the period rule wants.
        const TDateTime first = EncodeDate(2025, 4, 1) + static_cast<int>(seed) * 20;
        const int days = 1 + static_cast<int>(random() % 10);
        const TDateTime last = first + (days - 1);
        GenerateOriginMenus(random, first, days);

        const std::string origin = "origem-" + std::to_string(seed) + ".txt";
        ASSERT_TRUE(Export("0002", (dir_ / origin).string(), first, last).ok);
        const Answer imported = LoadAndImport("0003", origin);
        ASSERT_TRUE(imported.ok) << imported.message;
        const auto menus = MenusByName("0002", first, last);
        EXPECT_EQ(MenusByName("0003", first, last), menus);
        EXPECT_FALSE(menus.empty());

        const std::string again = "destino-" + std::to_string(seed) + ".txt";
        ASSERT_TRUE(Export("0003", (dir_ / again).string(), first, last).ok);
        EXPECT_EQ(FileMenusByName(dir_ / again), FileMenusByName(dir_ / origin));
    }
}

struct Refusal {
    const char* name;
    const char* setup;  // SQL run on the store first
    const char* branch;
    TDateTime first;
    const char* target;  // below the test folder, or as given when absolute
    const char* message;
};

class MenuExportRefusalTest : public MenuExportTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(MenuExportRefusalTest, RefusesPlainlyAndLeavesNoFile) {
    const Refusal& refusal = GetParam();
    Execute(refusal.setup);
    std::ofstream(dir_ / "anterior.txt") << "o arquivo de antes";
    const fs::path target = fs::path(refusal.target).is_absolute() ? fs::path(refusal.target) : dir_ / refusal.target;
    const Answer answer = Export(refusal.branch, target.string(), refusal.first, refusal.first + 6);
    EXPECT_FALSE(answer.ok);
    EXPECT_NE(answer.message.find(refusal.message), std::string::npos) << answer.message;
    EXPECT_EQ(Leftovers(), std::vector<std::string>{"anterior.txt"});
    EXPECT_EQ(Bytes(dir_ / "anterior.txt"), "o arquivo de antes");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuExportRefusalTest,
    ::testing::Values(
        Refusal{"DishNameOutsideTheCodePage", "UPDATE PRATO SET NMPRATO = 'Café ☕' WHERE CDPRATO = '000008'", "0002",
                kMonday, "anterior.txt", "O nome do prato 000008 (\"Café ☕\") contém \"☕\", que o Windows-1252"},
        Refusal{"DietNameWithTheSeparator", "UPDATE SERVDIETA SET DSDIETPAD = 'Pão e manteiga com ø' WHERE CDDIETPAD = '0002'",
                "0002", kMonday, "x.txt", "O nome da dieta 0002 do serviço 00001 (\"Pão e manteiga com ø\") contém \"ø\""},
        Refusal{"ServiceNameWithALineBreak", "UPDATE SERVFILI SET NMSERVICO = 'Ceia' || char(10) WHERE CDSERVFILI = '00011'",
                "0002", kMonday, "x.txt", "O nome do serviço 00011 contém uma quebra de linha"},
        Refusal{"EmptyPeriod", "", "0002", EncodeDate(2025, 4, 7), "x.txt",
                "Não há cardápios da filial 0002 de 07/04/2025 a 13/04/2025"},
        Refusal{"MissingBranch", "", "0009", kMonday, "x.txt", "Filial não cadastrada."},
        Refusal{"RescindedBranch", "", "0004", kMonday, "x.txt", "Filial com contrato rescindido."},
        Refusal{"MissingFolder", "", "0002", kMonday, "falta/x.txt", "A pasta de destino não existe"},
        Refusal{"FolderOutsideTheRoots", "", "0002", kMonday, "/tmp/x.txt", "fora das pastas de exportação"},
        Refusal{"ConfigurationChangesInsideThePeriod",
                "INSERT INTO CNFCARDAPIO SELECT CDFILIAL, CDSERVFILI, '2025-03-06', CDTIPOPRAT, NRSEQCNFMES, "
                "NRORDCNFMES, NMTIPOPRAT, IDOPCCNFMES FROM CNFCARDAPIO WHERE CDSERVFILI = '00002'",
                "0002", kMonday, "x.txt", "do serviço 00002 muda em 06/03/2025, dentro do período"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuExportTest, DiskThatFillsOrFolderThatCannotBeWrittenLeavesTheTargetAsItWas) {
    std::ofstream(dir_ / "anterior.txt") << "o arquivo de antes";
    for (std::streamsize room : {std::streamsize{-1}, std::streamsize{0}, std::streamsize{20000}}) {
        module_ = MakeModule(std::make_shared<FillingDisk>(room));
        const Answer answer = Export("0002", (dir_ / "anterior.txt").string());
        EXPECT_FALSE(answer.ok);
        EXPECT_NE(answer.message.find(room < 0 ? "Não é possível gravar na pasta" : "falhou (disco cheio"),
                  std::string::npos)
            << answer.message;
        EXPECT_EQ(Leftovers(), std::vector<std::string>{"anterior.txt"});
        EXPECT_EQ(Bytes(dir_ / "anterior.txt"), "o arquivo de antes");
    }
}

}  // namespace
}  // namespace appserver::testing
