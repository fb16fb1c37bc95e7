// The start dialog: it offers the options the client was started with and hands back the
// user's changes; a branch that is not four digits or a server that is neither the embedded
// one nor an http address keeps the dialog open.
#include "ClientWindowFixture.h"
#include "StartDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

QLineEdit* Field(StartDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

TEST(StartDialogTest, OffersTheOptionsAndReturnsTheUsersChanges) {
    ClientOptions options;
    options.branch = "0002";
    options.branchMode = true;
    StartDialog dialog(options);
    EXPECT_EQ(Field(dialog, "branch")->text(), "0002");
    EXPECT_EQ(dialog.findChild<QComboBox*>()->currentText(), "Filial");
    EXPECT_EQ(Field(dialog, "server")->text(), "") << "the server inside the client shows as a blank";
    EXPECT_EQ(dialog.Options().server, "embedded");

    Field(dialog, "branch")->setText("0003");
    dialog.findChild<QComboBox*>()->setCurrentIndex(0);
    Field(dialog, "server")->setText("http://127.0.0.1:8080");
    const ClientOptions chosen = dialog.Options();
    EXPECT_EQ(chosen.branch, "0003");
    EXPECT_FALSE(chosen.branchMode);
    EXPECT_EQ(chosen.server, "http://127.0.0.1:8080");
    EXPECT_EQ(chosen.operatorCode, options.operatorCode);
}

TEST(StartDialogTest, ShortBranchOrStrangeServerKeepsTheDialogOpen) {
    for (auto [branch, server] : {std::pair{"03", "embedded"}, std::pair{"0003", "ftp://host"}}) {
        StartDialog dialog(ClientOptions{});
        Field(dialog, "branch")->setText(branch);
        Field(dialog, "server")->setText(server);
        bool warned = false;
        ClientWindowFixture::WhenModal([&warned](QWidget& modal) {
            warned = qobject_cast<QMessageBox*>(&modal) != nullptr;
            QTest::keyClick(&modal, Qt::Key_Return);
        });
        dialog.show();
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        EXPECT_TRUE(warned) << branch << " " << server;
        EXPECT_NE(dialog.result(), QDialog::Accepted);
    }
}

}  // namespace
