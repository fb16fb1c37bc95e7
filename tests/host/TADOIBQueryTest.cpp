#include "TADOIBQuery.h"

#include "GeneralDatabase.h"
#include "Session.h"
#include "SysUtils.h"
#include "TField.h"
#include "TStringField.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

constexpr const char* kBranchQuery =
    "SELECT CDFILIAL, NMFILIAL, IDCNTRRESC\n"
    "  FROM FILIAL\n"
    " WHERE (CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = 'T') ";

// A general database on a temporary file with a small branch table.
class BranchQuery : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = std::filesystem::temp_directory_path() /
                ("host-query-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".db");
        std::filesystem::remove(path_);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
        const char* script =
            "CREATE TABLE FILIAL (CDFILIAL VARCHAR(4), NMFILIAL VARCHAR(50), IDCNTRRESC CHAR(1), NRORDEM INTEGER);"
            "INSERT INTO FILIAL VALUES ('0001', 'Matriz', 'N', 1), ('0002', 'Filial Centro', 'N', 2),"
            "                          ('0004', 'Filial Rescindida', 'S', NULL);";
        ASSERT_EQ(sqlite3_exec(db, script, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        Session::Current().SetGeneralDatabasePath(path_.string());
        query_.SetSQL(kBranchQuery);
    }
    void TearDown() override {
        query_.Close();
        Session::Current().Reset();
        std::filesystem::remove(path_);
    }
    // Closes, sets both parameters and opens, as the screen does.
    void Run(const std::string& code, const std::string& all) {
        query_.Close();
        query_.ParamByName("P_CDFILIAL").SetAsString(code);
        query_.ParamByName("P_TCDFILIAL").SetAsString(all);
        query_.Open();
    }
    void DefineBranchFields() {
        TStringField* code = query_.AddStringField("CDFILIAL", 4, "Filial");
        code->SetDisplayWidth(5);
        query_.AddStringField("NMFILIAL", 50, "Nome");
        query_.AddStringField("IDCNTRRESC", 1)->SetVisible(false);
    }

    std::filesystem::path path_;
    TADOIBQuery query_;
};

TEST_F(BranchQuery, ParametersAreReadOffTheTextOnceEach) {
    ASSERT_EQ(query_.Params().size(), 2u);
    EXPECT_EQ(query_.Params()[0]->Name(), "P_CDFILIAL");
    EXPECT_EQ(query_.Params()[1]->Name(), "P_TCDFILIAL");
    EXPECT_EQ(&query_.ParamByName("p_cdfilial"), query_.Params()[0].get());
    EXPECT_THROW(query_.ParamByName("P_OTHER"), EDatabaseError);

    TADOIBQuery other;
    other.SetSQL("SELECT ':NOT_A' AS \"x:NOR_B\" -- :NOR_C\n FROM FILIAL WHERE CDFILIAL = :A OR NMFILIAL = :A");
    ASSERT_EQ(other.Params().size(), 1u);
    EXPECT_EQ(other.Params()[0]->Name(), "A");
}

TEST_F(BranchQuery, OneBranchOrAllOfThemThroughTheParameters) {
    DefineBranchFields();
    Run("0002", "");
    ASSERT_FALSE(query_.IsEmpty());
    EXPECT_EQ(query_.RecordCount(), 1);
    EXPECT_EQ(query_.FieldByName("NMFILIAL")->AsString(), "Filial Centro");

    Run("0009", "");
    EXPECT_TRUE(query_.IsEmpty());

    Run("", "T");
    EXPECT_EQ(query_.RecordCount(), 3);  // rescinded branch included
    query_.Last();
    EXPECT_EQ(query_.FieldByName("IDCNTRRESC")->AsString(), "S");
}

TEST_F(BranchQuery, PersistentFieldsKeepTheirDisplayPropertiesAndSizes) {
    DefineBranchFields();
    Run("", "T");
    TField* code = query_.FieldByName("cdfilial");
    EXPECT_EQ(code->DisplayLabel(), "Filial");
    EXPECT_EQ(code->DisplayWidth(), 5);
    EXPECT_FALSE(query_.FieldByName("IDCNTRRESC")->Visible());
    EXPECT_EQ(query_.Fields().size(), 3u);
    query_.Close();
    EXPECT_EQ(query_.Fields().size(), 3u);  // persistent fields survive closing
}

TEST_F(BranchQuery, WithoutPersistentFieldsEachColumnBecomesAFieldUntilClose) {
    query_.Close();
    query_.SetSQL("SELECT CDFILIAL, NRORDEM, 1.5 * NRORDEM AS PESO FROM FILIAL WHERE CDFILIAL = :C");
    query_.ParamByName("C").SetAsString("0002");
    query_.Open();
    ASSERT_EQ(query_.Fields().size(), 3u);
    EXPECT_EQ(query_.FieldByName("NRORDEM")->DataType(), FieldType::Integer);
    EXPECT_EQ(query_.FieldByName("NRORDEM")->AsInteger(), 2);
    EXPECT_EQ(query_.FieldByName("CDFILIAL")->AsString(), "0002");
    EXPECT_DOUBLE_EQ(query_.FieldByName("PESO")->AsFloat(), 3.0);
    query_.Close();
    EXPECT_TRUE(query_.Fields().empty());
}

TEST_F(BranchQuery, IsReadOnlyAndRefusesChangesWhileOpen) {
    DefineBranchFields();
    Run("0001", "");
    EXPECT_THROW(query_.Edit(), EDatabaseError);
    EXPECT_THROW(query_.SetSQL("SELECT 1"), EDatabaseError);
    EXPECT_EQ(query_.State(), dsBrowse);
}

TEST_F(BranchQuery, FaultsRaiseDatabaseErrorsAndLeaveTheQueryClosed) {
    query_.AddStringField("CDMISSING", 4);
    EXPECT_THROW(Run("0001", ""), EDatabaseError);
    EXPECT_FALSE(query_.Active());

    TADOIBQuery broken;
    broken.SetSQL("SELECT * FROM NO_SUCH_TABLE");
    EXPECT_THROW(broken.Open(), EDatabaseError);
    EXPECT_FALSE(broken.Active());

    Session::Current().SetGeneralDatabasePath((path_.parent_path() / "no-such-dir" / "x.db").string());
    TADOIBQuery unopened;
    unopened.SetSQL("SELECT 1");
    EXPECT_THROW(unopened.Open(), EDatabaseError);
}

TEST_F(BranchQuery, ParameterValuesAreBoundNotPastedIntoTheText) {
    DefineBranchFields();
    Run("0001' OR '1'='1", "");
    EXPECT_TRUE(query_.IsEmpty());
}

}  // namespace
