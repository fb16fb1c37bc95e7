#include "StderrDialogs.h"

#include "TOpenDialog.h"

#include <ostream>

namespace krdimport {

namespace {

TMsgDlgBtn Answer(TMsgDlgButtons buttons) {
    if (buttons.Contains(mbYes)) return mbYes;
    for (int b = mbYes; b <= mbClose; ++b)
        if (buttons.Contains(static_cast<TMsgDlgBtn>(b))) return static_cast<TMsgDlgBtn>(b);
    return mbOK;  // a box without buttons can still only be closed
}

}  // namespace

int StderrDialogs::MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    if (type == mtError || type == mtWarning) ++refusals_;
    const TMsgDlgBtn answer = Answer(buttons);
    out_ << "[" << MsgDlgCaption(type) << "] " << text;
    if (type == mtConfirmation) out_ << " -> " << (answer == mbYes ? "Yes" : "answered with its first button");
    out_ << std::endl;
    return ModalResultOf(answer);
}

bool StderrDialogs::ExecuteOpen(TOpenDialog& dialog) {
    out_ << "[" << dialog.Title << "] no file can be chosen in a headless run" << std::endl;
    return false;
}

}  // namespace krdimport
