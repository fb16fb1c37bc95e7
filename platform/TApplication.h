#pragma once
// The application: the dispatcher that every user action runs in, the top-level exception
// handler and the holder of the dialog service. One instance, `Application`, lives in
// libplatform (next to `Screen`) so the host and the module share it.
//
// A user action (a key, typed text, a click, a focus move by mouse, or anything an adapter
// wraps in Perform) runs inside Perform: EAbort ends it silently; any other platform Exception
// goes to HandleException (OnException, or one error box through the dialog service); forms
// released during the action are deleted when it is over. Exceptions that are not platform
// exceptions are programming errors and pass through.
#include "ControlEvents.h"
#include "SysUtils.h"
#include "TComponent.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TControl;
class TDialogService;
class TForm;
class TWinControl;

using TExceptionEvent = std::function<void(TComponent* Sender, const Exception& E)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    std::string Title;
    TExceptionEvent OnException;

    // Not owned; nullptr removes it.
    void SetDialogService(TDialogService* service) { dialogService_ = service; }
    // Raises std::logic_error when none is set: showing a dialog without one is a setup fault.
    TDialogService& DialogService() const;

    void Perform(const std::function<void()>& action);
    // EAbort: nothing. Otherwise OnException when assigned, else ShowException.
    void HandleException(TComponent* sender, const Exception& e);
    // An error box with the message, a full stop added when it ends in a letter or digit.
    void ShowException(const Exception& e);

    // User gestures on the active form, each one dispatched action (one per character).
    void PressKey(Word key, TShiftState shift = {});
    void TypeText(std::string_view text);
    // Mouse click: a control that takes the focus on click gets it first; the click happens
    // only if it then holds the focus. Controls without focus (speed buttons, labels) just click.
    void Click(TControl& control);
    // Click, then the double click.
    void DblClick(TControl& control);
    // The user puts the focus on the control (mouse down on it).
    void Focus(TWinControl& control);

    // Modal boxes shown so far (message boxes, lookup lists): a key whose own handling showed
    // one types no character after it (see TForm::ProcessKey).
    void NoteModalShown() { ++modalShows_; }
    unsigned ModalShows() const { return modalShows_; }

    // Deletes the forms released so far.
    void ProcessMessages();
    // For TForm.
    void QueueRelease(TForm* form);
    void ForgetRelease(TForm* form);

private:
    // Gives the focus to the control when it takes it on click; false when it ended elsewhere.
    static bool FocusForClick(TControl& control);

    TDialogService* dialogService_ = nullptr;
    std::vector<TForm*> released_;
    int depth_ = 0;
    unsigned modalShows_ = 0;
};

extern TApplication* const Application;

// The character a key types with that shift state ('\0' for none): letters and digits, space,
// Enter (#13, or #10 with Ctrl), Escape (#27), Backspace (#8), Tab (#9), Ctrl+letter control
// codes; Alt combinations type nothing.
char CharacterOfKey(Word key, TShiftState shift);
