#pragma once
// The application's forms and which of them is active. One instance, `Screen`, lives in
// libplatform next to `Application`.
#include <vector>

class TForm;
class TWinControl;

// The mouse pointer shown over the application's windows, with the platform's values.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crHourGlass = -11;

class TScreen {
public:
    // The pointer the desktop client shows; a screen sets crHourGlass while it is busy opening
    // and puts crDefault back.
    TCursor Cursor = crDefault;

    const std::vector<TForm*>& Forms() const { return forms_; }
    TForm* ActiveForm() const { return activeForm_; }
    // The active form's ActiveControl, or nullptr.
    TWinControl* ActiveControl() const;

    // Deactivates the previous active form (OnDeactivate) and activates `form` (OnActivate,
    // focus); nothing when it is already active.
    void SetActiveForm(TForm* form);

    // For TForm: creation, destruction, hiding.
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    // The active form was hidden: the most recent other visible form becomes active.
    void FormHidden(TForm* form);

private:
    std::vector<TForm*> forms_;
    TForm* activeForm_ = nullptr;
};

extern TScreen* const Screen;
