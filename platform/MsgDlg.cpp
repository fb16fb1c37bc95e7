#include "MsgDlg.h"

#include "TApplication.h"
#include "TDialogService.h"

int ModalResultOf(TMsgDlgBtn button) {
    switch (button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    case mbClose: return mrClose;
    case mbHelp: return mrNone;
    }
    return mrNone;
}

namespace {

TMsgDlgLanguage gLanguage = TMsgDlgLanguage::PortugueseBrazil;

// Captions by type (warning, error, information, confirmation) and by button, in TMsgDlgBtn order.
struct Captions {
    const char* types[4];
    const char* buttons[12];
};

const Captions kEnglish{{"Warning", "Error", "Information", "Confirm"},
                        {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&All", "N&o to All",
                         "Yes to &All", "&Help", "&Close"}};
const Captions kPortugueseBrazil{{"Aviso", "Erro", "Informação", "Confirmação"},
                                 {"&Sim", "&Não", "OK", "Cancelar", "&Abortar", "&Repetir", "&Ignorar", "&Todos",
                                  "N&ão para todos", "Sim para &todos", "A&juda", "&Fechar"}};

const Captions& Current() { return gLanguage == TMsgDlgLanguage::English ? kEnglish : kPortugueseBrazil; }

}  // namespace

void SetMsgDlgLanguage(TMsgDlgLanguage language) { gLanguage = language; }

TMsgDlgLanguage MsgDlgLanguage() { return gLanguage; }

std::string MsgDlgCaption(TMsgDlgType type) {
    if (type == mtCustom) return Application->Title;
    return Current().types[type];
}

std::string MsgDlgButtonCaption(TMsgDlgBtn button) { return Current().buttons[button]; }

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
    Application->NoteModalShown();
    return Application->DialogService().MessageDlg(text, type, buttons, helpContext);
}
