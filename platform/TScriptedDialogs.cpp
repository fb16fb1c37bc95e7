#include "TScriptedDialogs.h"

#include "TSaveDialog.h"

#include <stdexcept>

void TScriptedDialogs::Answer(int modalResult) {
    answers_.push_back({TShownDialog::Message, modalResult, std::nullopt});
}

void TScriptedDialogs::AnswerOpen(std::optional<std::string> fileName) {
    answers_.push_back({TShownDialog::OpenFile, fileName ? mrOk : mrCancel, std::move(fileName)});
}

void TScriptedDialogs::AnswerSave(std::optional<std::string> fileName) {
    answers_.push_back({TShownDialog::SaveFile, fileName ? mrOk : mrCancel, std::move(fileName)});
}

std::vector<std::string> TScriptedDialogs::Texts() const {
    std::vector<std::string> texts;
    for (const TShownDialog& dialog : shown_)
        if (dialog.Kind == TShownDialog::Message) texts.push_back(dialog.Text);
    return texts;
}

void TScriptedDialogs::Clear() {
    answers_.clear();
    shown_.clear();
}

TScriptedDialogs::ScriptedAnswer TScriptedDialogs::Next(TShownDialog::DialogKind kind, const std::string& what) {
    if (answers_.empty()) throw std::logic_error("Dialog shown without a scripted answer: " + what);
    ScriptedAnswer answer = answers_.front();
    if (answer.Kind != kind) throw std::logic_error("Scripted answer of the wrong kind for: " + what);
    answers_.pop_front();
    return answer;
}

int TScriptedDialogs::MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    int result = mrOk;
    if (buttons != TMsgDlgButtons{mbOK}) {
        result = Next(TShownDialog::Message, text).Result;
        bool offered = false;
        for (int b = mbYes; b <= mbClose; ++b)
            offered = offered || (buttons.Contains(TMsgDlgBtn(b)) && ModalResultOf(TMsgDlgBtn(b)) == result);
        if (!offered) throw std::logic_error("Scripted answer is not a button of: " + text);
    }
    shown_.push_back({TShownDialog::Message, text, type, buttons, result, {}});
    return result;
}

bool TScriptedDialogs::ExecuteOpen(TOpenDialog& dialog) { return ExecuteFile(TShownDialog::OpenFile, dialog); }

bool TScriptedDialogs::ExecuteSave(TSaveDialog& dialog) { return ExecuteFile(TShownDialog::SaveFile, dialog); }

bool TScriptedDialogs::ExecuteFile(TShownDialog::DialogKind kind, TOpenDialog& dialog) {
    TShownDialog shown{kind, dialog.Title, mtCustom, {}, mrCancel, dialog.FileName};
    ScriptedAnswer answer = Next(kind, "file dialog " + dialog.Title);
    shown.Result = answer.Result;
    shown_.push_back(shown);
    if (!answer.FileName) return false;
    dialog.FileName = *answer.FileName;
    return true;
}
