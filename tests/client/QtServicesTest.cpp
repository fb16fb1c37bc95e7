// The host services the desktop client installs, on Qt: message boxes (the platform's buttons,
// captions and answers), the open-file dialog (its folder, filter and the choice written back),
// the lookup list (search, the current value first, Up and Down from the search box, choice,
// cancel) and the busy panel (the server call off the UI thread while it shows, failures carried
// back, the panel gone with the last stop, the keyboard left where it was).
#include "ClientWindowFixture.h"
#include "GridFixture.h"

#include "QtBusyIndicator.h"
#include "QtDialogs.h"
#include "QtLookupDialog.h"

#include "TOpenDialog.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

namespace {

// Answers the next message box with the button captioned `answer` (Escape when it has none).
void AnswerBox(const QString& answer, std::string* caption = nullptr) {
    ClientWindowFixture::WhenModal([answer, caption](QWidget& modal) {
        auto& box = static_cast<QMessageBox&>(modal);
        if (caption) *caption = box.windowTitle().toStdString();
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : box.buttons())
            if (button->text() == answer) chosen = button;
        if (chosen)
            chosen->click();
        else
            QTest::keyClick(&box, Qt::Key_Escape);
    });
}

TEST(QtDialogsTest, MessageBoxesAnswerWithThePlatformsModalResults) {
    QtDialogs dialogs(nullptr);
    std::string caption;
    AnswerBox("&Não", &caption);
    EXPECT_EQ(dialogs.MessageDlg("Confirma?", mtConfirmation, mbYesNo, 0), mrNo);
    EXPECT_EQ(caption, MsgDlgCaption(mtConfirmation));
    AnswerBox("&Sim");
    EXPECT_EQ(dialogs.MessageDlg("Confirma?", mtConfirmation, mbYesNoCancel, 0), mrYes);
    AnswerBox("OK", &caption);
    EXPECT_EQ(dialogs.MessageDlg("Falhou.", mtError, TMsgDlgButtons{mbOK}, 0), mrOk);
    EXPECT_EQ(caption, MsgDlgCaption(mtError));
    // Closed without a button: Cancel when offered, else No.
    AnswerBox("(Escape)");
    EXPECT_EQ(dialogs.MessageDlg("Salvar?", mtConfirmation, mbYesNoCancel, 0), mrCancel);
    AnswerBox("(Escape)");
    EXPECT_EQ(dialogs.MessageDlg("Salvar?", mtConfirmation, mbYesNo, 0), mrNo);
    // A box without buttons still has one to close it.
    AnswerBox("OK");
    EXPECT_EQ(dialogs.MessageDlg("Aviso", mtWarning, TMsgDlgButtons{}, 0), mrOk);
}

TEST(QtDialogsTest, FileFiltersKeepDescriptionsThatNameTheirPatterns) {
    EXPECT_EQ(QtDialogs::NameFilters("Documento texto (*.txt)|*.txt"), "Documento texto (*.txt)");
    EXPECT_EQ(QtDialogs::NameFilters("Textos|*.txt;*.csv|Todos|*.*"), "Textos (*.txt *.csv);;Todos (*.*)");
    EXPECT_EQ(QtDialogs::NameFilters(""), "");
}

TEST(QtDialogsTest, OpenDialogStartsAtTheProposedFileAndWritesBackTheChoice) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "krd-open-dialog";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "cardapio.txt") << "x";
    QtDialogs dialogs(nullptr);
    TOpenDialog dialog(nullptr);
    dialog.Title = "Abrir";
    dialog.Filter = "Documento texto (*.txt)|*.txt";
    dialog.FileName = (folder / "cardapio.txt").string();

    QString shownFolder, shownTitle;
    ClientWindowFixture::WhenModal([&](QWidget& modal) {
        auto& files = static_cast<QFileDialog&>(modal);
        shownFolder = files.directory().absolutePath();
        shownTitle = files.windowTitle();
        static_cast<QDialog&>(files).accept();  // the file proposed is selected
    });
    ASSERT_TRUE(dialogs.ExecuteOpen(dialog));
    EXPECT_EQ(shownTitle, "Abrir");
    EXPECT_EQ(shownFolder.toStdString(), folder.string());
    EXPECT_EQ(dialog.FileName, (folder / "cardapio.txt").string());

    ClientWindowFixture::WhenModal([](QWidget& modal) { static_cast<QFileDialog&>(modal).reject(); });
    dialog.FileName = "kept.txt";
    EXPECT_FALSE(dialogs.ExecuteOpen(dialog));
    EXPECT_EQ(dialog.FileName, "kept.txt");
    std::filesystem::remove_all(folder);
}

class QtLookupDialogTest : public GridTest {};

TEST_F(QtLookupDialogTest, SearchNarrowsTheListAndTheChoiceIsTheDatasetsRow) {
    QtLookupDialog lookups(nullptr);
    LookupRequest request;
    request.DataSet = &cds;
    request.Title = "Serviços";
    ClientWindowFixture::WhenModal([](QWidget& modal) {
        EXPECT_EQ(modal.windowTitle(), "Serviços");
        QTest::keyClicks(modal.findChild<QLineEdit*>(), "CEIA");
        QTest::keyClick(modal.findChild<QLineEdit*>(), Qt::Key_Return);
    });
    EXPECT_EQ(lookups.Choose(request), 2);

    ClientWindowFixture::WhenModal([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
    EXPECT_EQ(lookups.Choose(request), -1);

    // The list starts on the current value; Down from the search box moves on from there.
    request.Current = "02";
    ClientWindowFixture::WhenModal([](QWidget& modal) {
        QTest::keyClick(modal.findChild<QLineEdit*>(), Qt::Key_Down);
        QTest::keyClick(modal.findChild<QLineEdit*>(), Qt::Key_Return);
    });
    EXPECT_EQ(lookups.Choose(request), 2);

    // A search that keeps no row chooses nothing.
    ClientWindowFixture::WhenModal([](QWidget& modal) {
        QTest::keyClicks(modal.findChild<QLineEdit*>(), "nada");
        QTest::keyClick(modal.findChild<QLineEdit*>(), Qt::Key_Return);
    });
    EXPECT_EQ(lookups.Choose(request), -1);
}

TEST(QtBusyIndicatorTest, ServerCallRunsOffTheUiThreadOnlyWhileThePanelShows) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QtBusyIndicator busy(&window);
    const auto ui = std::this_thread::get_id();
    std::thread::id ranOn;
    auto call = [&ranOn] {
        ranOn = std::this_thread::get_id();
        return Variant("resposta");
    };
    EXPECT_EQ(busy.WhileBusy(call).AsString(), "resposta");
    EXPECT_EQ(ranOn, ui) << "no panel: the call runs in place";

    busy.Start(nullptr, 6, "");
    busy.Start(nullptr, 6, "");
    QWidget* panel = window.findChild<QWidget*>("busyIndicator");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(busy.WhileBusy(call).AsString(), "resposta");
    EXPECT_NE(ranOn, ui);
    EXPECT_THROW(busy.WhileBusy([]() -> Variant { throw Exception("sem conexão"); }), Exception);
    busy.Stop(nullptr);
    EXPECT_TRUE(panel->isVisible()) << "the panel went with a nested stop";
    busy.Stop(nullptr);
    EXPECT_FALSE(panel->isVisible());
    // The keyboard stays where it was: the panel took neither the activation nor the focus.
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    busy.Stop(nullptr);  // one stop too many changes nothing
    EXPECT_FALSE(busy.Showing());
}

TEST(QtBusyIndicatorTest, PanelShowsTheProgressTheCallReportsWhileItRuns) {
    QWidget window;
    window.show();
    QtBusyIndicator busy(&window);
    std::atomic<int> asked{0};
    const BusyProgress previous = SetBusyProgress([&asked] {
        ++asked;
        return std::string("Linhas lidas: 7");
    });
    busy.Start(nullptr, 6, "");
    // Asked twice: the text of the first answer is on the panel (bounded, should the panel never ask).
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    busy.WhileBusy([&] {
        while (asked < 2 && std::chrono::steady_clock::now() < giveUp) std::this_thread::yield();
        return Variant();
    });
    EXPECT_EQ(window.findChild<QLabel*>("busyProgress")->text().toStdString(), "Linhas lidas: 7");
    busy.Stop(nullptr);
    SetBusyProgress(previous);
}

}  // namespace
