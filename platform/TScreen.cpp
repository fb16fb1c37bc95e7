#include "TScreen.h"

#include "TForm.h"

#include <algorithm>

TWinControl* TScreen::ActiveControl() const { return activeForm_ ? activeForm_->ActiveControl() : nullptr; }

void TScreen::SetActiveForm(TForm* form) {
    if (form == activeForm_) return;
    TForm* previous = activeForm_;
    activeForm_ = form;
    // Most recently activated last, so hiding a form falls back to the one used before it.
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    forms_.push_back(form);
    if (previous) previous->Deactivate();
    form->Activate();
}

void TScreen::AddForm(TForm* form) { forms_.insert(forms_.begin(), form); }

void TScreen::RemoveForm(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (activeForm_ == form) {
        activeForm_ = nullptr;
        FormHidden(form);
    }
}

void TScreen::FormHidden(TForm* form) {
    if (activeForm_ == form) {
        activeForm_ = nullptr;
        form->Deactivate();
    }
    if (activeForm_) return;
    auto next = std::find_if(forms_.rbegin(), forms_.rend(), [&](TForm* f) { return f != form && f->Visible(); });
    if (next != forms_.rend()) SetActiveForm(*next);
}
