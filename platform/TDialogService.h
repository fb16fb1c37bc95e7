#pragma once
// Where the platform's modal dialogs go: message boxes (MessageDlg, the exception box) and the
// open-file and save-file dialogs. Set one on Application: the desktop client shows real boxes, tests a
// scripted service (TScriptedDialogs). A modal dialog moves no focus: no OnExit/OnEnter runs
// around it.
#include "MsgDlg.h"

#include <string>

class TOpenDialog;
class TSaveDialog;

class TDialogService {
public:
    virtual ~TDialogService() = default;
    // Shows the box and returns the modal result of the button chosen (mrOk, mrYes...).
    virtual int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                           int helpContext) = 0;
    // Shows the dialog; on acceptance writes the chosen path into dialog.FileName and returns
    // true, on cancellation returns false and leaves FileName alone.
    virtual bool ExecuteOpen(TOpenDialog& dialog) = 0;
    // Likewise for the save dialog. A service with nobody to choose a file (a headless run)
    // keeps this default: cancelled.
    virtual bool ExecuteSave(TSaveDialog&) { return false; }
};
