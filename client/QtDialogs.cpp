#include "QtDialogs.h"

#include "TOpenDialog.h"

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

// The platform's button captions (the host runs in Portuguese).
const char* CaptionOf(TMsgDlgBtn button) {
    static const char* const kCaptions[] = {"&Sim", "&Não", "OK", "Cancelar", "&Abortar", "&Repetir",
                                            "&Ignorar", "&Todos", "N&ão para todos", "Sim para &todos",
                                            "A&juda", "&Fechar"};
    return kCaptions[button];
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
        shown.emplace_back(box.addButton(QString::fromUtf8(CaptionOf(button)), RoleOf(button)), button);
    }
    box.setDefaultButton(static_cast<QPushButton*>(shown.front().first));
    box.exec();
    for (auto& [view, button] : shown)
        if (box.clickedButton() == view) return ModalResultOf(button);
    // Closed by Escape or the window's button: the box's cancel, as the platform answers.
    return buttons.Contains(mbCancel) ? mrCancel : buttons.Contains(mbNo) ? mrNo : mrCancel;
}

QString QtDialogs::NameFilters(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters.join(";;");
}

bool QtDialogs::ExecuteOpen(TOpenDialog& dialog) {
    QString folder = QString::fromStdString(dialog.InitialDir);
    if (!dialog.FileName.empty()) {
        QFileInfo proposed(QString::fromStdString(dialog.FileName));
        folder = proposed.isAbsolute() ? proposed.filePath() : QDir(folder).filePath(proposed.filePath());
    }
    QString chosen = QFileDialog::getOpenFileName(parent_, QString::fromStdString(dialog.Title), folder,
                                                  NameFilters(dialog.Filter));
    if (chosen.isEmpty()) return false;
    dialog.FileName = chosen.toStdString();
    return true;
}
