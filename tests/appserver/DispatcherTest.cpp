#include "ServerFixture.h"

#include <cmath>
#include <cstdint>
#include <fstream>

namespace appserver::testing {
namespace {

class DispatcherTest : public ServerFixture {};

TEST_F(DispatcherTest, MalformedCallsComeBackAsFailuresNotExceptions) {
    struct Case {
        const char* method;
        Variant::Array args;
        const char* message;
    } cases[] = {
        {"Desconhecido", {}, "Método desconhecido: Desconhecido"},
        {"GetPesqServ", {}, "GetPesqServ: são esperados 1 argumentos, vieram 0."},
        {"GetPesqServ", {"0001", "0002"}, "GetPesqServ: são esperados 1 argumentos, vieram 2."},
        {"GetPesqServ", {1}, "GetPesqServ: o argumento 1 deve ser um texto."},
        {"GetVd_Serv", {"0001", Variant(), "", "T", ""}, "GetVd_Serv: o argumento 2 deve ser um texto."},
        {"GetPesqTipoPrat", {"0001", "00002", "amanhã"}, "GetPesqTipoPrat: o argumento 3 deve ser uma data."},
        {"GetPesqTipoPrat", {"0001", "00002", std::nan("")}, "GetPesqTipoPrat: o argumento 3 deve ser uma data."},
        {"GetPesqTipoPrat", {"0001", "00002", TDateTime(3.47e10)}, "GetPesqTipoPrat: o argumento 3 deve ser uma data."},
        {"GetPesqTipoPrat", {"0001", "00002", INT64_MIN}, "GetPesqTipoPrat: o argumento 3 deve ser uma data."},
        {"GetPesqTipoPrat", {"0001", "00002", EncodeDate(9999, 12, 31) + 1},
         "GetPesqTipoPrat: o argumento 3 deve ser uma data."},
        {"ImportaCardapio", {"a.txt", "OPER", VarArrayOf({}), Variant(), Variant(), Variant()},
         "ImportaCardapio: o argumento 3 deve ser um texto."},
    };
    for (const auto& c : cases) {
        const Answer answer = Call(c.method, c.args);
        EXPECT_FALSE(answer.ok) << c.method;
        EXPECT_EQ(answer.message, c.message);
        EXPECT_TRUE(answer.payload.IsNull());
    }
}

TEST_F(DispatcherTest, TheCalendarsLastDayIsStillADay) {
    EXPECT_TRUE(Call("GetPesqTipoPrat", {"0001", "00002", EncodeDate(9999, 12, 31)}).ok);
    EXPECT_TRUE(Call("GetPesqTipoPrat", {"0001", "00002", EncodeDate(1, 1, 1).Value}).ok);
}

TEST_F(DispatcherTest, AStoreFailureBecomesAFailureAnswer) {
    Execute("DROP TABLE SERVDIETA");
    const Answer answer = Call("GetVd_DietaDestino", {"0001", "00002", "", "X"});
    EXPECT_FALSE(answer.ok);
    EXPECT_NE(answer.message.find("SERVDIETA"), std::string::npos) << answer.message;
}

TEST_F(DispatcherTest, ADatabaseFromANewerServerIsRefusedAtStart) {
    Execute("PRAGMA user_version = 99");
    EXPECT_THROW(MakeModule(), StoreError);
}

class ImportRootsTest : public ServerFixture {
protected:
    Answer LoadFile(const std::string& name) {
        return Call("ImportaCardapio", {name, "OPER", "0001", Variant(), Variant(), Variant()});
    }
};

TEST_F(ImportRootsTest, FilesAreFoundByRelativeOrAbsoluteNameBelowTheRoot) {
    std::filesystem::create_directories(dir_ / "março");
    std::filesystem::copy_file(dir_ / "cardapio-demo.txt", dir_ / "março" / "semana 10.txt");
    EXPECT_TRUE(LoadFile("março/semana 10.txt").ok);
    EXPECT_TRUE(LoadFile((dir_ / "março" / "semana 10.txt").string()).ok);
    EXPECT_TRUE(LoadFile("  cardapio-demo.txt ").ok);
}

TEST_F(ImportRootsTest, NamesReachingOutsideTheRootAreRefused) {
    const std::filesystem::path outside = dir_.parent_path() / (dir_.filename().string() + "-fora.txt");
    std::filesystem::copy_file(dir_ / "cardapio-demo.txt", outside);
    std::filesystem::create_symlink(outside, dir_ / "atalho.txt");
    std::filesystem::create_directories(dir_ / "sub");
    const std::string refused = "Arquivo fora das pastas de importação do servidor: ";
    for (const std::string& name : {"../" + outside.filename().string(), std::string("sub/../cardapio-demo.txt"), outside.string(),
                                   std::string("atalho.txt"), std::string("/etc/passwd")}) {
        const Answer answer = LoadFile(name);
        EXPECT_FALSE(answer.ok) << name;
        EXPECT_EQ(answer.message, refused + name);
    }
    std::filesystem::remove(outside);
}

TEST_F(ImportRootsTest, AMissingOrEmptyNameSaysSo) {
    EXPECT_EQ(LoadFile("nao-existe.txt").message, "Arquivo não existe.");
    EXPECT_EQ(LoadFile("   ").message, "Arquivo origem deve ser informado.");
}

}  // namespace
}  // namespace appserver::testing
