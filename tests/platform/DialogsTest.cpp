// Message boxes and the open dialog through the scripted dialog service, and the dispatcher's
// handling of exceptions and released forms.
#include "MsgDlg.h"
#include "TOpenDialog.h"
#include "TScreen.h"
#include "UiFixture.h"

#include <stdexcept>

namespace {

using Texts = std::vector<std::string>;

class Dialogs : public UiTest {};

TEST_F(Dialogs, AnswersComeInOrderAndEveryBoxIsRecorded) {
    dialogs.Answer(mrYes);
    dialogs.Answer(mrNo);
    EXPECT_EQ(MessageDlg("Confirma a importação?", mtConfirmation, mbYesNo, 0), mrYes);
    EXPECT_EQ(MessageDlg("Delete record?", mtConfirmation, mbOKCancel + mbYesNo, 0), mrNo);
    EXPECT_EQ(MessageDlg("Arquivo inválido!", mtError, {mbOK}, 0), mrOk);
    ASSERT_EQ(dialogs.Shown().size(), 3u);
    EXPECT_EQ(dialogs.Texts(), (Texts{"Confirma a importação?", "Delete record?", "Arquivo inválido!"}));
    EXPECT_EQ(dialogs.Shown()[0].Type, mtConfirmation);
    EXPECT_EQ(dialogs.Shown()[0].Buttons, mbYesNo);
    EXPECT_EQ(dialogs.Shown()[2].Result, mrOk);
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);
}

TEST_F(Dialogs, QuestionWithoutAScriptedAnswerFailsLoudlyThroughTheDispatcher) {
    EXPECT_THROW(Application->Perform([] { MessageDlg("Sobrepor?", mtConfirmation, mbYesNo, 0); }),
                 std::logic_error);
    dialogs.Answer(mrOk);
    EXPECT_THROW(MessageDlg("Sobrepor?", mtConfirmation, mbYesNo, 0), std::logic_error);
}

TEST_F(Dialogs, CaptionsFollowTheTypeAndTheChosenLanguage) {
    Application->Title = "Cardápio";
    EXPECT_EQ(MsgDlgCaption(mtWarning), "Aviso");
    EXPECT_EQ(MsgDlgCaption(mtError), "Erro");
    EXPECT_EQ(MsgDlgCaption(mtInformation), "Informação");
    EXPECT_EQ(MsgDlgCaption(mtConfirmation), "Confirmação");
    EXPECT_EQ(MsgDlgButtonCaption(mbYes), "&Sim");
    EXPECT_EQ(MsgDlgButtonCaption(mbClose), "&Fechar");
    SetMsgDlgLanguage(TMsgDlgLanguage::English);
    EXPECT_EQ(MsgDlgCaption(mtConfirmation), "Confirm");
    EXPECT_EQ(MsgDlgButtonCaption(mbNo), "&No");
    EXPECT_EQ(MsgDlgCaption(mtCustom), "Cardápio");
    SetMsgDlgLanguage(TMsgDlgLanguage::PortugueseBrazil);
}

TEST_F(Dialogs, OpenDialogWritesTheChosenFileOnlyWhenAccepted) {
    TOpenDialog open(nullptr);
    open.Title = "Abrir";
    open.FileName = "/dados/antigo.txt";
    dialogs.AnswerOpen(std::nullopt);
    dialogs.AnswerOpen("/dados/cardapio.txt");
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(open.FileName, "/dados/antigo.txt");
    EXPECT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName, "/dados/cardapio.txt");
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[1].Kind, TShownDialog::OpenFile);
    EXPECT_EQ(dialogs.Shown()[1].Text, "Abrir");
    EXPECT_EQ(dialogs.Shown()[1].FileName, "/dados/antigo.txt");

    dialogs.Answer(mrYes);
    EXPECT_THROW(open.Execute(), std::logic_error);
}

struct RaisedCase {
    const char* name;
    std::function<void()> raise;
    Texts shown;
};

class Dispatcher : public UiTest, public ::testing::WithParamInterface<RaisedCase> {};

TEST_P(Dispatcher, ShowsEveryExceptionButAbortOnceWithAFullStop) {
    bool after = false;
    Application->Perform([&] {
        GetParam().raise();
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(dialogs.Texts(), GetParam().shown);
    for (const TShownDialog& dialog : dialogs.Shown()) EXPECT_EQ(dialog.Type, mtError);
}

INSTANTIATE_TEST_SUITE_P(
    Exceptions, Dispatcher,
    ::testing::Values(RaisedCase{"Abort", [] { Abort(); }, {}},
                      RaisedCase{"DatabaseError", [] { throw EDatabaseError("Field 'CODE' must have a value"); },
                                 {"Field 'CODE' must have a value."}},
                      RaisedCase{"EndsWithPunctuation", [] { throw Exception("Nada a importar!"); }, {"Nada a importar!"}},
                      RaisedCase{"Empty", [] { throw Exception(""); }, {""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Dialogs, OnExceptionReplacesTheErrorBoxButNeverSeesAbort) {
    std::vector<std::string> handled;
    Application->OnException = [&](TComponent*, const Exception& e) { handled.push_back(e.Message()); };
    Application->Perform([] { Abort(); });
    Application->Perform([] { throw EConvertError("bad"); });
    EXPECT_EQ(handled, (Texts{"bad"}));
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(Dialogs, ErrorInOnCreateIsShownAndCreationGoesOn) {
    TForm created(nullptr);
    created.OnCreate = [](TComponent*) { throw EInOutError("Servidor indisponível"); };
    created.DoCreate();
    EXPECT_EQ(dialogs.Texts(), (Texts{"Servidor indisponível."}));
}

TEST_F(Dialogs, FormClosedWithFreeIsDeletedWhenTheActionEnds) {
    auto* child = new TForm(Application);
    bool destroyed = false;
    child->OnDestroy = [&](TComponent*) { destroyed = true; };
    child->OnClose = [](TComponent*, TCloseAction& action) { action = caFree; };
    child->Show();
    Application->Perform([&] {
        child->Close();
        EXPECT_FALSE(destroyed);
    });
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(Screen->ActiveForm(), nullptr);
}

TEST_F(Dialogs, ClosingAnMdiChildMinimisesItByDefault) {
    TForm child(nullptr);
    child.FormStyle = fsMDIChild;
    child.Show();
    child.Close();
    EXPECT_EQ(child.WindowState(), wsMinimized);
    EXPECT_TRUE(child.Visible());
}

} // namespace
