#include "TMessages.h"

#include "SysUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(TMessages, LinesSplitAtTheFirstBarAndKeepTrailingBlanks) {
    TMessages messages;
    messages.AddLine("Int_Bloq_Fili|Importação de cardápio bloqueada para o modo filial. ");
    messages.AddLine("orig|Orig.:  ");
    messages.AddLine("de-para|Origem: %s --> Destino: %s");
    messages.AddLine("pipe|a|b");
    EXPECT_EQ(messages.Msg("Int_Bloq_Fili"), "Importação de cardápio bloqueada para o modo filial. ");
    EXPECT_EQ(messages.Msg("orig"), "Orig.:  ");
    EXPECT_EQ(messages.Msg("de-para"), "Origem: %s --> Destino: %s");
    EXPECT_EQ(messages.Msg("pipe"), "a|b");
    ASSERT_EQ(messages.Count(), 4);
    EXPECT_EQ(messages.Entries()[2].first, "de-para");
}

TEST(TMessages, KeysMatchIgnoringCaseAndStayDistinct) {
    TMessages messages;
    messages.Add("S", "Sim");
    messages.Add("serv_vazio", "Serviço deve ser informado.");
    EXPECT_EQ(messages.Msg("s"), "Sim");
    EXPECT_EQ(messages.Msg("SERV_VAZIO"), "Serviço deve ser informado.");
    EXPECT_THROW(messages.Add("SERV_vazio", "outra"), Exception);
    EXPECT_THROW(messages.AddLine("no bar here"), Exception);
}

TEST(TMessages, UnknownKeyRaisesAnErrorThatIsNotAnAbort) {
    TMessages messages;
    messages.Add("N", "Não");
    try {
        messages.Msg("NN");
        FAIL() << "no exception";
    } catch (const EAbort&) {
        FAIL() << "an unknown key must not pass silently";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("'NN'"), std::string::npos);
    }
}

}  // namespace
