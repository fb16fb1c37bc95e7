// The store failing under an import: the disk fills up or fails while the import's pages go to
// the write-ahead log (on its first write, halfway, on its last), its flush to disk fails, or
// another connection holds the store. Each time the import answers a failure that says what
// happened, the store is exactly as before (menus, diners, import log; and SQLite finds it
// intact), and once the fault clears the same import goes through.
#include "FailingDisk.h"
#include "ServerFixture.h"
#include "SqliteStatement.h"

#include <filesystem>

namespace appserver::testing {
namespace {

enum class Moment { FirstWrite, MiddleWrite, LastWrite, Flush };

struct DiskFault {
    const char* name;
    int code;
    Moment moment;
    const char* says;  // what the answer must name
};

void PrintTo(const DiskFault& fault, std::ostream* out) { *out << fault.name; }

class StoreFailureTest : public ServerFixture {
protected:
    // Everything an import may change, with the rows' content, not only their number.
    std::string Snapshot() {
        SqliteDatabase db(dbPath_);
        auto query = db.Prepare(
            "SELECT (SELECT COUNT(*) FROM CARDAPIO) || '/' || (SELECT TOTAL(QTCOMENSAIS) FROM CARDAPIO) || '/' || "
            "(SELECT GROUP_CONCAT(CDFILIAL || CDSERVFILI || DTCARDAPIO || CDDIETPAD || CDTIPOPRAT || CDPRATO, ',') "
            "FROM CARDAPIO WHERE CDFILIAL = '0001') || '/' || (SELECT COUNT(*) FROM LOGIMPORTACAO)");
        query.Step();
        return query.Text(0);
    }
    std::string Integrity() {
        SqliteDatabase db(dbPath_);
        auto query = db.Prepare("PRAGMA integrity_check");
        query.Step();
        return query.Text(0);
    }
    // A menu of the period the import replaces, so that a delete left standing would show.
    void KeepAnEarlierMenu() {
        Execute("INSERT INTO CARDAPIO VALUES ('0001', '00010', '2025-03-04', '0001', '01', 1, '000001', 77)");
    }
    Answer ImportProposal(const Variant& load) { return Import("0001", load[2], load[3], load[4]); }
    void ExpectImported(const Answer& answer) {
        ASSERT_TRUE(answer.ok) << answer.message;
        EXPECT_EQ(answer.payload[0].AsString(), "OK");
        EXPECT_EQ(Count("SELECT COUNT(*) FROM LOGIMPORTACAO"), 1);
        EXPECT_EQ(Count("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0001' AND QTCOMENSAIS = 77"), 0);
    }
};

class DiskFaultTest : public StoreFailureTest, public ::testing::WithParamInterface<DiskFault> {
protected:
    // How many log writes the import makes: the same import on a copy of the store, which
    // SQLite writes page for page the same way.
    int WritesOfTheImport(FailingDisk& disk) {
        const std::string copy = (dir_ / "ensaio.db").string();
        std::filesystem::copy_file(dbPath_, copy);
        ApplicationServer trial(ServerConfig{copy, {dir_}}, nullptr, clock_);
        const Variant load = Answer::Read(trial.Dispatch("ImportaCardapio", {"cardapio-demo.txt", "OPER", "0001",
                                                                             Variant(), Variant(), Variant()}))
                                 ->payload;
        disk.Heal();
        const auto answer = Answer::Read(trial.Dispatch(
            "ImportaCardapio", {"cardapio-demo.txt", "OPER", "0001", load[2], load[3], load[4]}));
        EXPECT_TRUE(answer && answer->ok);
        return disk.Writes();
    }
};

TEST_P(DiskFaultTest, FailsClearlyWritesNothingAndSucceedsOnceTheDiskRecovers) {
    const DiskFault& fault = GetParam();
    FailingDisk disk;
    KeepAnEarlierMenu();
    const int writes = WritesOfTheImport(disk);
    ASSERT_GT(writes, 2);
    const Variant load = Load("0001");
    const std::string before = Snapshot();

    switch (fault.moment) {
    case Moment::FirstWrite: disk.FailWrites(fault.code, 1); break;
    case Moment::MiddleWrite: disk.FailWrites(fault.code, writes / 2); break;
    case Moment::LastWrite: disk.FailWrites(fault.code, writes); break;
    case Moment::Flush: disk.FailSyncs(fault.code); break;
    }
    const Answer failed = ImportProposal(load);
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(failed.payload.IsNull());
    EXPECT_NE(failed.message.find(fault.says), std::string::npos) << failed.message;
    disk.Heal();
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Integrity(), "ok");

    ExpectImported(ImportProposal(load));
    EXPECT_EQ(Integrity(), "ok");
}

INSTANTIATE_TEST_SUITE_P(
    Disk, DiskFaultTest,
    ::testing::Values(DiskFault{"FullAtFirstWrite", SQLITE_FULL, Moment::FirstWrite, "disco cheio"},
                      DiskFault{"FullHalfway", SQLITE_FULL, Moment::MiddleWrite, "disco cheio"},
                      DiskFault{"FullAtLastWrite", SQLITE_FULL, Moment::LastWrite, "disco cheio"},
                      DiskFault{"WriteErrorAtFirstWrite", SQLITE_IOERR_WRITE, Moment::FirstWrite, "falha de leitura ou gravação"},
                      DiskFault{"WriteErrorHalfway", SQLITE_IOERR_WRITE, Moment::MiddleWrite, "falha de leitura ou gravação"},
                      DiskFault{"WriteErrorAtLastWrite", SQLITE_IOERR_WRITE, Moment::LastWrite, "falha de leitura ou gravação"},
                      DiskFault{"FlushFails", SQLITE_IOERR_FSYNC, Moment::Flush, "falha de leitura ou gravação"}),
    [](const auto& info) { return std::string(info.param.name); });

// Another connection (another server process, a maintenance tool) holds the store's write lock
// for longer than the server is willing to wait.
TEST_F(StoreFailureTest, AStoreHeldByAnotherConnectionFailsTheImportUntilItIsReleased) {
    KeepAnEarlierMenu();
    const Variant load = Load("0001");
    const std::string before = Snapshot();
    module_ = std::make_unique<ApplicationServer>(ServerConfig{dbPath_, {dir_}, 50}, nullptr, clock_);
    {
        SqliteDatabase holder(dbPath_);
        holder.Execute("BEGIN EXCLUSIVE");
        const Answer failed = ImportProposal(load);
        EXPECT_FALSE(failed.ok);
        EXPECT_NE(failed.message.find("banco de dados ocupado por outra operação"), std::string::npos) << failed.message;
        holder.Execute("ROLLBACK");
    }
    EXPECT_EQ(Snapshot(), before);
    ExpectImported(ImportProposal(load));
}

}  // namespace
}  // namespace appserver::testing
