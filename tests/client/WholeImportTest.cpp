// A whole import through the desktop client's real widgets, as a user at a desk does it: open
// the screen from the menu, type the file name and the branch, leave the filter panel, look at
// the services, map a diet through its list, open the configuration tab, change the start date,
// unmark a dish type, press the import button and read the success box. A picture of each tab
// is kept for people to look at.
#include "ClientWindowFixture.h"

#include "DBGridEditor.h"
#include "DBGridModel.h"
#include "DBGridWidget.h"

#include "screen/TfrmIntegraCardapio.h"

#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "TClientDataSet.h"
#include "TCustomPageControl98.h"
#include "TDBGrid.h"
#include "TDateEditPlus.h"
#include "TField.h"
#include "TMaskEdit.h"
#include "TSpeedButton.h"
#include "TTabSheet98.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <string>
#include <vector>

namespace {

// Against the server in process, and against one served over HTTP (where the busy panel's worker
// makes real network calls).
class WholeImportTest : public ClientWindowFixture, public ::testing::WithParamInterface<bool> {
protected:

    // Every message box from now on: its text kept, a confirmation answered Yes, any other box OK.
    void AnswerBoxes() {
        WhenModal([this](QWidget& modal) {
            if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
                boxes_.push_back(box->text().toStdString());
                KeepPicture(*box, "client-message-box.png");
                QAbstractButton* answer = box->buttons().front();
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == "&Sim") answer = button;
                answer->click();
            }
            AnswerBoxes();
        }, &waits_);
    }

    // Keys to the widget that holds the Qt focus (the platform put it there).
    void Type(const QString& text) { QTest::keyClicks(Focused(), text); }
    void Press(Qt::Key key) { QTest::keyClick(Focused(), key); }

    void ClickTab(TfrmIntegraCardapio& frm, int index) {
        QTabBar* tabs = WidgetOf(*frm.pgcPadrao).findChild<QTabBar*>();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        QCoreApplication::processEvents();
    }

    void ClickCell(DBGridWidget& view, int row, int column) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(row, column)).center());
        QCoreApplication::processEvents();
    }

    DBGridWidget& GridView(TDBGrid& grid) { return static_cast<DBGridWidget&>(WidgetOf(grid)); }

    int MenuRows(const std::string& branch) {
        appserver::SqliteDatabase db((Folder() / "empresa.db").string());
        auto query = db.Prepare("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = ?");
        query.Bind(1, branch);
        query.Step();
        return static_cast<int>(query.Integer(0));
    }

    std::vector<std::string> boxes_;
};

TEST_P(WholeImportTest, UserImportsTheDemoFileThroughTheWidgets) {
    ClientOptions options;
    if (GetParam()) options.server = ServeOverHttp();
    StartClient(options);
    auto& frm = static_cast<TfrmIntegraCardapio&>(OpenFromMenu("importScreenAction"));
    QWidget& frame = *screen_->parentWidget();
    EXPECT_EQ(frame.windowTitle(), "Integração de Cardápios - Importação");
    AnswerBoxes();

    // The filter panel: the file name edit holds the focus; the branch follows it.
    ASSERT_EQ(QApplication::focusWidget(), &WidgetOf(*frm.medNmArquivo));
    Type(QString::fromStdString(DemoFile().string()));
    EXPECT_EQ(frm.medNmArquivo->Text(), DemoFile().string());
    QTest::mouseClick(&WidgetOf(*frm.medCdFilial), Qt::LeftButton);
    ASSERT_TRUE(frm.medCdFilial->Focused());
    frm.medCdFilial->SelectAll();
    Type("0003");
    EXPECT_EQ(static_cast<QLineEdit&>(WidgetOf(*frm.medCdFilial)).text(), "0003");

    // Leaving the panel for the services grid loads the file.
    DBGridWidget& services = GridView(*frm.dbgPadrao);
    ClickCell(services, 0, 0);
    ASSERT_TRUE(boxes_.empty()) << boxes_.front();
    ASSERT_TRUE(frm.cdsServicos->Active());
    EXPECT_EQ(services.model()->rowCount(), frm.cdsServicos->DisplayRowCount());
    EXPECT_GT(services.model()->rowCount(), 0);
    KeepPicture(frame, "client-tab-services.png");

    // The diets tab: the destination diet of the first row, chosen from its list.
    ClickTab(frm, 1);
    ASSERT_EQ(frm.pgcPadrao->ActivePage(), static_cast<TTabSheet*>(frm.tshDieta));
    DBGridWidget& diets = GridView(*frm.dbgDieta);
    ASSERT_TRUE(diets.isVisible());
    ClickCell(diets, 0, 1);
    ClickCell(diets, 0, 1);  // a click on the current cell opens its editor
    ASSERT_TRUE(diets.Editor().isVisible()) << "no editor on the destination diet";
    QTest::mouseClick(&diets.Editor(), Qt::LeftButton, {}, QPoint(2, 4));  // a click into the open cell
    EXPECT_EQ(diets.Editor().selectedText(), diets.Editor().text()) << "typing would not replace the cell";
    std::string listed;
    WhenModal([&listed](QWidget& modal) {
        auto* table = modal.findChild<QTableWidget*>();
        listed = table && table->currentRow() >= 0 ? table->item(table->currentRow(), 0)->text().toStdString() : "";
        KeepPicture(modal, "client-diet-lookup.png");
        QTest::keyClick(&modal, Qt::Key_Return);
    });
    diets.Editor().findChild<QToolButton*>()->click();
    QCoreApplication::processEvents();
    ASSERT_FALSE(listed.empty()) << "the diet list was empty or never shown";
    EXPECT_EQ(frm.cdsDietas->FieldByName("CDDIETDEST")->AsString(), listed);
    KeepPicture(frame, "client-tab-diets.png");
    // The other tabs stay locked until the row is posted: Enter does it.
    Press(Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_NE(frm.cdsDietas->State(), dsEdit);

    // The configuration tab, a new start date, one dish type unmarked.
    ClickTab(frm, 2);
    ASSERT_EQ(frm.pgcPadrao->ActivePage(), static_cast<TTabSheet*>(frm.tshConfig));
    QTest::mouseClick(&WidgetOf(*frm.depDestino), Qt::LeftButton);
    ASSERT_TRUE(frm.depDestino->Focused());
    frm.depDestino->SelectAll();
    Type("07/03/2025");
    DBGridWidget& dishTypes = GridView(*frm.dbgTipoPrat);
    ClickCell(dishTypes, 0, 0);
    EXPECT_TRUE(static_cast<QLineEdit&>(WidgetOf(*frm.edtDiaSemDest)).text().startsWith("sex", Qt::CaseInsensitive));  // a Friday
    ASSERT_GT(dishTypes.model()->rowCount(), 1);
    const int mark = 2;
    ClickCell(dishTypes, 1, mark);
    QTest::mouseDClick(dishTypes.viewport(), Qt::LeftButton, {}, dishTypes.visualRect(dishTypes.model()->index(1, mark)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(frm.cdsTipoPrat->FieldByName("IDIMPORTAR")->AsString(), "N");
    KeepPicture(frame, "client-tab-config.png");

    // The import button; the success box.
    ASSERT_TRUE(boxes_.empty()) << boxes_.front();
    QTest::mouseClick(&WidgetOf(*frm.sbtImportExport), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes_, (std::vector<std::string>{"Importação realizada com sucesso!"}));
    EXPECT_GT(MenuRows("0003"), 0);
    KeepPicture(Main(), "client-main-window.png");
}

INSTANTIATE_TEST_SUITE_P(Servers, WholeImportTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "OverHttp" : "InProcess"; });

}  // namespace
