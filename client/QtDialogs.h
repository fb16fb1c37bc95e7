#pragma once
// The platform's modal dialogs on Qt: message boxes (MessageDlg, the error box of the host's
// exception handler) as QMessageBox with the platform's caption, icon and buttons in the
// platform's order, and the open-file and save-file dialogs as QFileDialog with the dialog's
// title, filter, folder and proposed name. Both stand over `parent` (the main window).
#include "TDialogService.h"

#include <QString>

class QWidget;

class QtDialogs : public TDialogService {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}

    int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) override;
    bool ExecuteOpen(TOpenDialog& dialog) override;
    bool ExecuteSave(TSaveDialog& dialog) override;

    // The file dialog's name filter for a platform filter ("Text (*.txt)|*.txt|All|*.*").
    static QString NameFilters(const std::string& filter);

private:
    // The folder, with the proposed name, that a file dialog opens on.
    static QString Proposed(const TOpenDialog& dialog);

    QWidget* parent_;
};
