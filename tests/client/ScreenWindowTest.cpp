// The screen's window in the desktop client: the platform's focus model drives the Qt focus
// (Tab, with a focus ring and no selection left showing behind; a refused exit that keeps the
// focus where the screen put it back), the frame's close button closes the screen, the menu raises
// the open screen instead of making another, the maximised screen grows its working area, and Qt's
// dialogs speak the session's language.
#include "ClientLanguage.h"
#include "ClientWindowFixture.h"

#include "DBGridWidget.h"

#include "screen/TfrmIntegraCardapio.h"

#include "MsgDlg.h"
#include "TClientDataSet.h"
#include "TDBGrid.h"
#include "TMaskEdit.h"
#include "TPanel.h"
#include "TEdit.h"
#include "TSpeedButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

class ScreenWindowTest : public ClientWindowFixture {
protected:
    TfrmIntegraCardapio& Open() { return static_cast<TfrmIntegraCardapio&>(OpenFromMenu("importScreenAction")); }
};

TEST_F(ScreenWindowTest, TabMovesThePlatformFocusAndTheQtFocusFollows) {
    StartClient();
    TfrmIntegraCardapio& frm = Open();
    ASSERT_TRUE(frm.medNmArquivo->Focused());
    EXPECT_EQ(Focused(), &WidgetOf(*frm.medNmArquivo));
    QTest::keyClick(Focused(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    TWinControl* next = frm.ActiveControl();
    ASSERT_NE(next, frm.medNmArquivo);
    EXPECT_EQ(Focused(), &WidgetOf(*next));
    EXPECT_TRUE(Focused()->window()->testAttribute(Qt::WA_KeyboardFocusChange)) << "no focus ring drawn";
    QTest::keyClick(Focused(), Qt::Key_End);  // any gesture brings every widget in line again
    auto& fileName = static_cast<QLineEdit&>(WidgetOf(*frm.medNmArquivo));
    ASSERT_FALSE(fileName.text().isEmpty());
    EXPECT_FALSE(fileName.hasSelectedText()) << "the edit left behind still shows its selection";
    QTest::keyClick(Focused(), Qt::Key_Backtab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(frm.medNmArquivo->Focused());
    EXPECT_EQ(Focused(), &WidgetOf(*frm.medNmArquivo));
}

TEST_F(ScreenWindowTest, RefusedBranchKeepsTheFocusInItsEditAndNothingLoads) {
    StartClient();
    TfrmIntegraCardapio& frm = Open();
    QTest::keyClicks(Focused(), QString::fromStdString(DemoFile().string()));
    QTest::mouseClick(&WidgetOf(*frm.medCdFilial), Qt::LeftButton);
    frm.medCdFilial->SelectAll();
    QTest::keyClicks(Focused(), "9999");
    std::string shown;
    WhenModal([&shown](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        if (box) shown = box->text().toStdString();
        if (box) box->buttons().front()->click();
    });
    DBGridWidget& grid = static_cast<DBGridWidget&>(WidgetOf(*frm.dbgPadrao));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(20, 30));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, "Filial não cadastrada.");
    EXPECT_TRUE(frm.medCdFilial->Focused());
    EXPECT_EQ(Focused(), &WidgetOf(*frm.medCdFilial));
    EXPECT_FALSE(frm.cdsServicos->Active());
}

TEST_F(ScreenWindowTest, MenuRaisesTheOpenScreenAndTheCloseButtonClosesIt) {
    StartClient();
    TfrmIntegraCardapio& frm = Open();
    ScreenWindow* first = screen_;
    TfrmIntegraCardapio& again = Open();
    EXPECT_EQ(&again, &frm);
    EXPECT_EQ(screen_, first);
    EXPECT_EQ(Main().Area().subWindowList().size(), 1);

    Main().Area().activeSubWindow()->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Main().Area().subWindowList().isEmpty()) << "the frame outlived its screen";

    // Opened again, it is a new screen in a new frame, working as the first.
    TfrmIntegraCardapio& reopened = Open();
    EXPECT_TRUE(reopened.medNmArquivo->Focused());
    EXPECT_EQ(Main().Area().subWindowList().size(), 1);
}

TEST_F(ScreenWindowTest, ExitButtonClosesTheScreenAndDisabledControlsRefuseTheUser) {
    StartClient();
    TfrmIntegraCardapio& frm = Open();
    // A display-only edit is disabled on the platform and on Qt; a click gives it nothing.
    QWidget& branchName = WidgetOf(*frm.edtNmFilial);
    EXPECT_FALSE(branchName.isEnabled());
    QTest::mouseClick(&branchName, Qt::LeftButton);
    EXPECT_TRUE(frm.medNmArquivo->Focused());

    QTest::mouseClick(&WidgetOf(*frm.sbtSair), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Main().Area().subWindowList().isEmpty());
}

TEST_F(ScreenWindowTest, MaximisedScreenGrowsItsWorkingAreaAndComesBackAsPlaced) {
    StartClient();
    Main().resize(1280, 1000);
    TfrmIntegraCardapio& frm = Open();
    QMdiSubWindow& frame = *Main().Area().activeSubWindow();
    TDBGrid& dishTypes = *frm.dbgTipoPrat;
    const TRect fileEdit = frm.medNmArquivo->BoundsRect();
    ASSERT_EQ(screen_->size(), QSize(624, 337));
    ASSERT_EQ(dishTypes.Height(), 101);

    frame.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(screen_->size(), QSize(frm.ClientWidth(), frm.ClientHeight()));
    EXPECT_GT(frm.ClientHeight(), 800);
    EXPECT_GE(dishTypes.VisibleRowCount(), 36) << "three dozen rows at least";
    EXPECT_EQ(frm.panMenu->Left() + frm.panMenu->Width(), frm.ClientWidth());
    EXPECT_EQ(frm.medNmArquivo->BoundsRect(), fileEdit);
    EXPECT_TRUE(frm.medNmArquivo->Focused()) << "growing moved the focus";
    EXPECT_EQ(Focused(), &WidgetOf(*frm.medNmArquivo));
    EXPECT_FALSE(frm.cdsServicos->Active());
    const TDBGrid& services = *frm.dbgPadrao;
    EXPECT_EQ(WidgetOf(services).geometry(),
              QRect(services.Left(), services.Top(), services.Width(), services.Height()));
    EXPECT_EQ(WidgetOf(services).mapTo(screen_, QPoint(0, WidgetOf(services).height())).y(),
              frm.ClientHeight() - 337 + 2 + 140 + 24 + 131) << "the grid's bottom keeps its distance to the screen's";
    KeepPicture(Main(), "client-maximised-screen.png");
    EXPECT_EQ(frm.WindowState(), wsMaximized);

    EXPECT_EQ(&Open(), &frm) << "the menu's choice restores the open screen";
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_EQ(screen_->size(), QSize(624, 337));
    EXPECT_EQ(dishTypes.Height(), 101);
    EXPECT_EQ(WidgetOf(services).height(), 131);
}

TEST_F(ScreenWindowTest, FileDialogAndBoxCaptionsSpeakTheSessionsLanguage) {
    if (ClientLanguage::SessionLocale().language() != QLocale::Portuguese)
        GTEST_SKIP() << "the session is not in Portuguese";
    StartClient();
    TfrmIntegraCardapio& frm = Open();
    QString title;
    QStringList buttons;
    WhenModal([&](QWidget& modal) {
        title = modal.windowTitle();
        for (auto* button : modal.findChildren<QPushButton*>()) buttons << button->text();
        KeepPicture(modal, "client-file-dialog.png");
        modal.close();
    });
    QTest::mouseClick(&WidgetOf(*frm.sbtArquivo), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(title, "Abrir");
    EXPECT_TRUE(buttons.contains("Cancelar")) << buttons.join(", ").toStdString();
    EXPECT_EQ(MsgDlgCaption(mtError), "Erro");
}

}  // namespace
