#include "QtDialogs.h"

#include "TSaveDialog.h"

#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::ButtonRole RoleOf(TMsgDlgBtn button) {
    switch (button) {
    case mbYes:
    case mbOK:
    case mbYesToAll:
    case mbAll: return QMessageBox::AcceptRole;
    case mbCancel:
    case mbClose:
    case mbAbort: return QMessageBox::RejectRole;
    case mbHelp: return QMessageBox::HelpRole;
    default: return QMessageBox::ActionRole;
    }
}

}  // namespace

int QtDialogs::MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    QMessageBox box(IconOf(type), QString::fromStdString(MsgDlgCaption(type)), QString::fromStdString(text),
                    QMessageBox::NoButton, parent_);
    box.setTextFormat(Qt::PlainText);
    if (buttons.Empty()) buttons = TMsgDlgButtons{mbOK};
    std::vector<std::pair<QAbstractButton*, TMsgDlgBtn>> shown;
    for (int b = mbYes; b <= mbClose; ++b) {
        auto button = static_cast<TMsgDlgBtn>(b);
        if (!buttons.Contains(button)) continue;
        shown.emplace_back(box.addButton(QString::fromStdString(MsgDlgButtonCaption(button)), RoleOf(button)), button);
    }
    box.setDefaultButton(static_cast<QPushButton*>(shown.front().first));
    // Escape and the window's close button answer as the platform's box does: Cancel when
    // offered, else No, else OK, else the first button.
    TMsgDlgBtn escape = shown.front().second;
    for (TMsgDlgBtn candidate : {mbOK, mbNo, mbCancel})
        if (buttons.Contains(candidate)) escape = candidate;
    for (auto& [view, button] : shown)
        if (button == escape) box.setEscapeButton(view);
    box.exec();
    for (auto& [view, button] : shown)
        if (box.clickedButton() == view) return ModalResultOf(button);
    return ModalResultOf(escape);
}

QString QtDialogs::NameFilters(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        const QString listed = " (" + patterns + ")";
        // Descriptions often name their patterns already: "Documento texto (*.txt)".
        filters << (parts[i].endsWith(listed.trimmed()) ? parts[i] : parts[i] + listed);
    }
    return filters.join(";;");
}

QString QtDialogs::Proposed(const TOpenDialog& dialog) {
    const QString folder = QString::fromStdString(dialog.InitialDir);
    if (dialog.FileName.empty()) return folder;
    QFileInfo proposed(QString::fromStdString(dialog.FileName));
    return proposed.isAbsolute() ? proposed.filePath() : QDir(folder).filePath(proposed.filePath());
}

bool QtDialogs::ExecuteOpen(TOpenDialog& dialog) {
    QString chosen = QFileDialog::getOpenFileName(parent_, QString::fromStdString(dialog.Title), Proposed(dialog),
                                                  NameFilters(dialog.Filter));
    if (chosen.isEmpty()) return false;
    dialog.FileName = chosen.toStdString();
    return true;
}

bool QtDialogs::ExecuteSave(TSaveDialog& dialog) {
    QString chosen = QFileDialog::getSaveFileName(parent_, QString::fromStdString(dialog.Title), Proposed(dialog),
                                                  NameFilters(dialog.Filter));
    if (chosen.isEmpty()) return false;
    dialog.FileName = chosen.toStdString();
    return true;
}
