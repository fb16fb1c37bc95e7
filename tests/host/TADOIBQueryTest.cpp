#include "TADOIBQuery.h"

#include "BranchDatabase.h"
#include "GeneralDatabase.h"
#include "Session.h"
#include "SysUtils.h"
#include "TField.h"
#include "TStringField.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kBranchQuery =
    "SELECT CDFILIAL, NMFILIAL, IDCNTRRESC\n"
    "  FROM FILIAL\n"
    " WHERE (CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = 'T') ";

// The branch query of the screens over a temporary general database.
class BranchQuery : public ::testing::Test {
protected:
    void SetUp() override { query_.SetSQL(kBranchQuery); }
    void TearDown() override { query_.Close(); }
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

    BranchDatabase database_;
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

    Session::Current().SetGeneralDatabasePath((database_.Path().parent_path() / "no-such-dir" / "x.db").string());
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
