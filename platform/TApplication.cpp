#include "TApplication.h"

#include "MsgDlg.h"
#include "TDialogService.h"
#include "TForm.h"
#include "TScreen.h"
#include "Text.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

// Both singletons live here, Screen first, so that Application (which owns forms) is destroyed
// first and its forms can still leave Screen.
TScreen screenInstance;
TApplication applicationInstance;

// The key a typed character comes from, with Shift for capitals; 0 when it has no key of its own.
Word KeyOfCharacter(char character, TShiftState& shift) {
    unsigned char c = static_cast<unsigned char>(character);
    if (c >= 'a' && c <= 'z') return static_cast<Word>(std::toupper(c));
    if (c >= 'A' && c <= 'Z') {
        shift.Include(ssShift);
        return c;
    }
    if ((c >= '0' && c <= '9') || c == ' ') return c;
    return 0;
}

} // namespace

TScreen* const Screen = &screenInstance;
TApplication* const Application = &applicationInstance;

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
    // Forms leave the release queue as they go, so they must go while it still exists.
    while (!Components().empty()) delete Components().back();
}

TDialogService& TApplication::DialogService() const {
    if (!dialogService_) throw std::logic_error("No dialog service is set on Application");
    return *dialogService_;
}

void TApplication::Perform(const std::function<void()>& action) {
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    };
    {
        Depth guard(depth_);
        try {
            action();
        } catch (const Exception& e) {
            HandleException(nullptr, e);
        }
    }
    if (depth_ == 0) ProcessMessages();
}

void TApplication::HandleException(TComponent* sender, const Exception& e) {
    if (dynamic_cast<const EAbort*>(&e)) return;
    if (OnException)
        OnException(sender, e);
    else
        ShowException(e);
}

void TApplication::ShowException(const Exception& e) {
    std::string message = e.Message();
    if (!message.empty() && std::isalnum(static_cast<unsigned char>(message.back()))) message += '.';
    MessageDlg(message, mtError, {mbOK}, 0);
}

void TApplication::PressKey(Word key, TShiftState shift) {
    Perform([&] {
        if (TForm* form = Screen->ActiveForm()) form->ProcessKey(key, shift, CharacterOfKey(key, shift));
    });
}

void TApplication::TypeText(std::string_view text) {
    for (char character : EncodeWindows1252(text)) {
        TShiftState shift;
        Word key = KeyOfCharacter(character, shift);
        Perform([&] {
            if (TForm* form = Screen->ActiveForm()) form->ProcessKey(key, shift, character);
        });
    }
}

bool TApplication::FocusForClick(TControl& control) {
    auto* winControl = dynamic_cast<TWinControl*>(&control);
    if (!winControl || !winControl->TakesFocusOnClick()) return true;
    if (TForm* form = winControl->ParentForm()) Screen->SetActiveForm(form);
    winControl->SetFocus();
    return winControl->Focused();
}

void TApplication::Click(TControl& control) {
    Perform([&] {
        if (control.Enabled() && FocusForClick(control)) control.Click();
    });
}

void TApplication::DblClick(TControl& control) {
    Click(control);
    Perform([&] {
        if (control.Enabled()) control.DblClick();
    });
}

void TApplication::Focus(TWinControl& control) {
    Perform([&] {
        if (TForm* form = control.ParentForm()) Screen->SetActiveForm(form);
        control.SetFocus();
    });
}

void TApplication::ProcessMessages() {
    std::vector<TForm*> released;
    released.swap(released_);
    for (TForm* form : released) delete form;
}

void TApplication::QueueRelease(TForm* form) {
    if (std::find(released_.begin(), released_.end(), form) == released_.end()) released_.push_back(form);
}

void TApplication::ForgetRelease(TForm* form) {
    released_.erase(std::remove(released_.begin(), released_.end(), form), released_.end());
}

char CharacterOfKey(Word key, TShiftState shift) {
    if (shift.Contains(ssAlt)) return '\0';
    bool ctrl = shift.Contains(ssCtrl);
    if (key >= 'A' && key <= 'Z') {
        if (ctrl) return static_cast<char>(key - 'A' + 1);
        return static_cast<char>(shift.Contains(ssShift) ? key : std::tolower(key));
    }
    switch (key) {
    case VK_RETURN: return ctrl ? '\n' : '\r';
    case VK_ESCAPE: return '\x1b';
    case VK_BACK: return ctrl ? '\x7f' : '\b';
    case VK_TAB: return '\t';
    case VK_SPACE: return ' ';
    }
    if (key >= '0' && key <= '9' && !ctrl) return static_cast<char>(key);
    return '\0';
}
