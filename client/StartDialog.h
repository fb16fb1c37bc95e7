#pragma once
// The start dialog: the session options the client was started with, for the user to review or
// change before logging in (operator, branch, branch or head-office mode, module acronym, server
// and its token, company database). Cancelling ends the client.
#include "ClientOptions.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

class StartDialog : public QDialog {
public:
    explicit StartDialog(const ClientOptions& options, QWidget* parent = nullptr);

    // The options with the user's changes.
    ClientOptions Options() const;

private:
    void Check();

    ClientOptions options_;
    QLineEdit* operator_;
    QLineEdit* branch_;
    QComboBox* mode_;
    QLineEdit* acronym_;
    QLineEdit* server_;
    QLineEdit* token_;
    QLineEdit* database_;
};
