// The import history window: an import made through the session's server shows in the status
// bar and in the list, its detail names what it wrote, and "Desfazer" undoes it once confirmed.
#include "ClientWindowFixture.h"

#include "HistoryWindow.h"
#include "ImportHistoryCalls.h"

#include "SqliteDatabase.h"
#include "SqliteStatement.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

class HistoryWindowTest : public ClientWindowFixture {
protected:
    int64_t Menus() {
        appserver::SqliteDatabase db((Folder() / "empresa.db").string());
        auto query = db.Prepare("SELECT COUNT(*) FROM CARDAPIO WHERE CDFILIAL = '0003'");
        query.Step();
        return query.Integer(0);
    }
};

TEST_F(HistoryWindowTest, ShowsTheImportAndUndoesItOnceConfirmed) {
    StartClient();
    const Variant load = ImportHistoryCalls::Call("ImportaCardapio", {DemoFile().string(), "OPER", "0003", {}, {}, {}});
    ASSERT_TRUE(load[0].AsBoolean()) << load[1].AsString();
    const Variant import =
        ImportHistoryCalls::Call("ImportaCardapio", {DemoFile().string(), "OPER", "0003", load[2][2], load[2][3], load[2][4]});
    ASSERT_TRUE(import[0].AsBoolean()) << import[1].AsString();
    QTest::qWait(50);
    EXPECT_EQ(Main().findChild<QLabel*>("lastImportLabel")->text().toStdString(),
              "Importação 1 gravada: 896 linhas gravadas (0 substituídas); deixadas de fora: 0 de tipo de prato não "
              "marcado, 0 de serviço sem destino, 0 de dieta sem destino");

    for (QAction* action : Main().findChildren<QAction*>())
        if (action->text() == "&Histórico de Importações") action->trigger();
    auto* window = dynamic_cast<HistoryWindow*>(Main().findChild<QWidget*>("historyWindow"));
    ASSERT_NE(window, nullptr);
    auto* list = window->findChild<QTableWidget*>("historyList");
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->item(0, 6)->text(), "gravada");
    EXPECT_TRUE(window->findChild<QPlainTextEdit*>("historyDetail")->toPlainText().contains("Serviço 00002 -> 00052"));
    KeepPicture(*window, "client-history-window.png");

    std::vector<QString> boxes;
    const auto answer = [&](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        boxes.push_back(box->text());
        box->buttons().front()->click();  // "Yes" on the question, "OK" on the answer
    };
    WhenModal([&](QWidget& modal) { answer(modal); WhenModal(answer, &waits_); }, &waits_);
    window->findChild<QPushButton*>("historyUndo")->click();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].toStdString(), "Importação 1 desfeita: 896 linhas de cardápio removidas, 0 restauradas.");
    EXPECT_EQ(Menus(), 0);
    EXPECT_EQ(list->item(0, 6)->text(), "desfeita");
    EXPECT_FALSE(window->findChild<QPushButton*>("historyUndo")->isEnabled());
}

}  // namespace
