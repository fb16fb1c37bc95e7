#include "ServerFixture.h"

#include <string>

namespace appserver::testing {
namespace {

class ParameterMethodsTest : public ServerFixture {};

TEST_F(ParameterMethodsTest, GetParamIntegraGivesTheCompanyParameters) {
    const Variant packet = Payload("GetParamIntegra", {});
    const DataPacket& table = packet.AsPacket();
    ASSERT_EQ(table.Rows.size(), 1u);
    EXPECT_EQ(table.Fields.size(), 5u);
    EXPECT_EQ(table.Value(0, "IDMODMATRIZFILI").AsString(), "T");
    EXPECT_EQ(table.Value(0, "IDVALPERIODOINT").AsString(), "S");
    EXPECT_EQ(table.Value(0, "DSDIRMATRIZFILI").AsString(), dir_.string());
}

TEST_F(ParameterMethodsTest, GetDiretorioGivesTheRememberedFileOfTheScreenOnly) {
    Execute("INSERT INTO DIRETORIO VALUES ('KRD99999', '/outro/programa.txt')");
    const Variant packet = Payload("GetDiretorio", {});
    const DataPacket& table = packet.AsPacket();
    EXPECT_EQ(table.Fields[0], (FieldDef{"CDPROGRAMA", FieldType::String, 8, false}));
    EXPECT_EQ(table.Fields[1], (FieldDef{"DSDIRETORIO", FieldType::String, 100, false}));
    EXPECT_EQ(Column(packet, "DSDIRETORIO"), std::vector<std::string>{(dir_ / "cardapio-demo.txt").string()});
}

TEST_F(ParameterMethodsTest, SetDiretorioInsertsUpdatesAndCutsTo100Characters) {
    Execute("DELETE FROM DIRETORIO");
    Payload("SetDiretorio", {DirectoryDelta(RowKind::Inserted, "KRD52100", "/dados/março.txt")});
    EXPECT_EQ(Column(Payload("GetDiretorio", {}), "DSDIRETORIO"), std::vector<std::string>{"/dados/março.txt"});

    // 99 ASCII characters and then accented ones: the cut counts characters, not bytes.
    const std::string longName = "/" + std::string(98, 'a') + "çãoé.txt";
    Payload("SetDiretorio", {DirectoryDelta(RowKind::Modified, "KRD52100", longName)});
    EXPECT_EQ(Column(Payload("GetDiretorio", {}), "DSDIRETORIO"),
              std::vector<std::string>{"/" + std::string(98, 'a') + "ç"});
    EXPECT_EQ(Count("SELECT COUNT(*) FROM DIRETORIO"), 1);
}

TEST_F(ParameterMethodsTest, SetDiretorioRefusesWhatIsNoDirectoryChangeLog) {
    DataPacket wrong;
    wrong.Fields = {{"OUTRO", FieldType::String, 8}};
    EXPECT_FALSE(Call("SetDiretorio", {Variant(std::move(wrong))}).ok);
    EXPECT_FALSE(Call("SetDiretorio", {"texto"}).ok);
    EXPECT_FALSE(Call("SetDiretorio", {DirectoryDelta(RowKind::Inserted, "", "/a.txt")}).ok);
}

}  // namespace
}  // namespace appserver::testing
