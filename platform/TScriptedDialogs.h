#pragma once
// A dialog service for tests and headless runs: answers come from a script, every dialog shown
// is recorded in order. A box whose only button is OK needs no answer (it can only be closed
// with OK); any other dialog without a scripted answer, or with an answer of the wrong kind or
// not among its buttons, raises std::logic_error: a setup fault, which the dispatcher lets
// through so the test fails loudly.
#include "TDialogService.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

struct TShownDialog {
    enum DialogKind { Message, OpenFile, SaveFile };
    DialogKind Kind = Message;
    std::string Text;          // message text, or the file dialog's Title
    TMsgDlgType Type = mtCustom;
    TMsgDlgButtons Buttons;
    int Result = mrNone;       // the modal result given (mrOk / mrCancel for file dialogs)
    std::string FileName;      // file dialog: the file proposed on opening
};

class TScriptedDialogs : public TDialogService {
public:
    // Queues the answer to the next message box.
    void Answer(int modalResult);
    // Queues the answer to the next open dialog: a file name, or std::nullopt for Cancel.
    void AnswerOpen(std::optional<std::string> fileName);
    // Likewise for the next save dialog.
    void AnswerSave(std::optional<std::string> fileName);

    const std::vector<TShownDialog>& Shown() const { return shown_; }
    // The texts of the message boxes shown, in order.
    std::vector<std::string> Texts() const;
    size_t PendingAnswers() const { return answers_.size(); }
    void Clear();

    int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) override;
    bool ExecuteOpen(TOpenDialog& dialog) override;
    bool ExecuteSave(TSaveDialog& dialog) override;

private:
    struct ScriptedAnswer {
        TShownDialog::DialogKind Kind;
        int Result;
        std::optional<std::string> FileName;
    };
    ScriptedAnswer Next(TShownDialog::DialogKind kind, const std::string& what);
    bool ExecuteFile(TShownDialog::DialogKind kind, TOpenDialog& dialog);

    std::deque<ScriptedAnswer> answers_;
    std::vector<TShownDialog> shown_;
};
