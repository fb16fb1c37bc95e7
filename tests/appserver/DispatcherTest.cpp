#include "ServerFixture.h"

#include <cmath>
#include <cstdint>

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

}  // namespace
}  // namespace appserver::testing
