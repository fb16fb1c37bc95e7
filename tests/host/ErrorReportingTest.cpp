#include "ErrorReporting.h"

#include "HostExceptionHandler.h"
#include "ScriptedDialogsTest.h"
#include "SysUtils.h"

#include <stdexcept>

namespace {

using ErrorReporting = ScriptedDialogsTest;

TEST_F(ErrorReporting, MensErroShowsAnErrorBoxAndAbortsOnlyWhenAsked) {
    EXPECT_NO_THROW(MensErro("Filial deve ser informada.", false));
    EXPECT_THROW(MensErro("Filial não cadastrada.", true), EAbort);
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Filial deve ser informada.", "Filial não cadastrada."}));
    EXPECT_EQ(dialogs.Shown()[1].Type, mtError);
    EXPECT_EQ(dialogs.Shown()[1].Buttons, TMsgDlgButtons{mbOK});
}

TEST_F(ErrorReporting, AnAbortingMensErroIsShownOnceAtTheTopOfAnAction) {
    bool after = false;
    Application->Perform([&] {
        MensErro("Arquivo não existe.", true);
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Arquivo não existe."});
}

TEST_F(ErrorReporting, CheckResultServYieldsThePayloadOfASuccess) {
    Variant payload = VarArrayOf({"OK", EncodeDate(2024, 3, 1)});
    EXPECT_EQ(CheckResultServ(VarArrayOf({true, "", payload}), true, 0), payload);
    EXPECT_TRUE(CheckResultServ(VarArrayOf({true, Variant(), Variant()}), true, 0).IsNull());
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(ErrorReporting, CheckResultServShowsAFailureAndAbortsWithTheFlag) {
    Variant failure = VarArrayOf({false, "Serviço destino não cadastrado.", Variant()});
    EXPECT_THROW(CheckResultServ(failure, true, 0), EAbort);
    EXPECT_TRUE(CheckResultServ(failure, false, 0).IsNull());
    EXPECT_TRUE(CheckResultServ(VarArrayOf({false, "", Variant()}), false, 0).IsNull());
    ASSERT_EQ(dialogs.Texts().size(), 3u);
    EXPECT_EQ(dialogs.Texts()[0], "Serviço destino não cadastrado.");
    EXPECT_EQ(dialogs.Texts()[1], "Serviço destino não cadastrado.");
    EXPECT_FALSE(dialogs.Texts()[2].empty());  // a failure without a message still says something
}

TEST_F(ErrorReporting, MalformedAnswersAreFailuresNotCrashes) {
    const Variant malformed[] = {
        Variant(),
        Variant("OK"),
        Variant(42),
        VarArrayOf({}),
        VarArrayOf({true, ""}),
        VarArrayOf({true, "", 1, 2}),
        VarArrayOf({"true", "", 1}),
        VarArrayOf({1, "", 1}),
        VarArrayOf({false, 7, Variant()}),
        VarArrayOf({VarArrayOf({true, "", 1}), "", 1}),
    };
    for (const Variant& answer : malformed) {
        dialogs.Clear();
        EXPECT_THROW(CheckResultServ(answer, true, 0), EAbort);
        ASSERT_EQ(dialogs.Texts().size(), 1u);
        EXPECT_NE(dialogs.Texts()[0].find("Resposta inválida do servidor de aplicação"), std::string::npos)
            << dialogs.Texts()[0];
    }
}

TEST_F(ErrorReporting, HostActionsShowEveryFaultButAnAbortOnce) {
    PerformHostAction([] { Abort(); });
    EXPECT_TRUE(dialogs.Shown().empty());
    PerformHostAction([] { throw EConvertError("'31/02/2024' is not a valid date"); });
    PerformHostAction([] { throw std::out_of_range("vector::at"); });
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"'31/02/2024' is not a valid date.", "vector::at."}));
}

}  // namespace
