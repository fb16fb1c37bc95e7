#pragma once
// The platform's message box: MessageDlg(text, type, buttons, help context) -> modal result,
// shown through Application's dialog service.
#include "TSet.h"

#include <string>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Buttons appear in this order whatever order the set is written in.
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

inline constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbYesAllNoAllCancel{mbYes, mbYesToAll, mbNo, mbNoToAll, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};
inline constexpr TMsgDlgButtons mbAbortIgnore{mbAbort, mbIgnore};

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrAbort = 3;
constexpr int mrRetry = 4;
constexpr int mrIgnore = 5;
constexpr int mrYes = 6;
constexpr int mrNo = 7;
constexpr int mrAll = 8;
constexpr int mrNoToAll = 9;
constexpr int mrYesToAll = 10;
constexpr int mrClose = 11;

// The modal result a button gives (mbHelp gives mrNone: it closes nothing).
int ModalResultOf(TMsgDlgBtn button);

// The language of the box's captions, as the desktop's installed language resources give them:
// Portuguese (Brazil), the product's language, until the host chooses another for the whole process.
enum class TMsgDlgLanguage { English, PortugueseBrazil };
void SetMsgDlgLanguage(TMsgDlgLanguage language);
TMsgDlgLanguage MsgDlgLanguage();
// The box's caption for its type ("Warning", "Error", "Information", "Confirm", or "Aviso",
// "Erro", "Informação", "Confirmação"; the application title for mtCustom).
std::string MsgDlgCaption(TMsgDlgType type);
// A button's caption, its accelerator marked with '&' ("&Yes", "&Sim").
std::string MsgDlgButtonCaption(TMsgDlgBtn button);

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
