// The export screen in the desktop client: opened from the "Cardápios" menu, the origin branch,
// the period and the file typed into the real widgets, the export button clicked, the success box
// answered; the summary shows and the file is where the user said. Its picture is kept.
#include "ClientWindowFixture.h"

#include "TForm.h"
#include "TLabel.h"
#include "TSpeedButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>

namespace {

class ExportScreenWindowTest : public ClientWindowFixture {
protected:
    template <typename Control> Control& Find(TForm& form, const char* name) {
        return *dynamic_cast<Control*>(form.FindComponent(name));
    }
    void TypeInto(TForm& form, const char* edit, const QString& text) {
        QWidget& widget = WidgetOf(Find<TControl>(form, edit));
        QTest::mouseClick(&widget, Qt::LeftButton);
        QTest::keyClick(&widget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&widget, text);
    }
};

TEST_F(ExportScreenWindowTest, ExportFromTheMenuWritesTheFileAndShowsItsSummary) {
    StartClient();
    TForm& screen = OpenFromMenu("exportScreenAction");
    EXPECT_EQ(screen.Caption(), "Integração de Cardápios - Exportação");
    const std::filesystem::path file = Folder() / "exportado.txt";
    TypeInto(screen, "medCdFilial", "0002");
    TypeInto(screen, "depInicial", "03/03/2025");
    TypeInto(screen, "depFinal", "09/03/2025");
    TypeInto(screen, "medNmArquivo", QString::fromStdString(file.string()));
    std::string box;
    WhenModal([&](QWidget& modal) {
        box = static_cast<QMessageBox&>(modal).text().toStdString();
        static_cast<QMessageBox&>(modal).buttons().front()->click();
    }, &waits_);
    QTest::mouseClick(&WidgetOf(Find<TSpeedButton>(screen, "sbtImportExport")), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(box, "Exportação realizada com sucesso.");
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_NE(Find<TLabel>(screen, "lblResumo").Caption().find("Linhas de cardápio"), std::string::npos);
    KeepPicture(Main(), "client-export-screen.png");
}

}  // namespace
