#include "TForm.h"

#include "TApplication.h"
#include "TScreen.h"

#include <algorithm>

namespace {

bool IsArrow(Word key) { return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN; }

void CollectTabOrder(const TWinControl& container, std::vector<TWinControl*>& list) {
    for (TWinControl* control : container.TabList()) {
        list.push_back(control);
        CollectTabOrder(*control, list);
    }
}

} // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    Screen->AddForm(this);
}

TForm::~TForm() {
    if (OnDestroy) OnDestroy(this);
    Application->ForgetRelease(this);
    Screen->RemoveForm(this);
}

TRect TForm::ClientRect() const {
    return Rect(0, 0, std::max(0, Width() - 2 * BorderWidth), std::max(0, Height() - CaptionHeight - 2 * BorderWidth));
}

void TForm::SetClientSize(int width, int height) {
    SetBounds(Left(), Top(), width + 2 * BorderWidth, height + CaptionHeight + 2 * BorderWidth);
}

void TForm::SetWindowState(TWindowState state) {
    windowState_ = state;
    Changed(TControlChange::State);
}

void TForm::DoCreate() {
    if (!OnCreate) return;
    try {
        OnCreate(this);
    } catch (const Exception& e) {
        Application->HandleException(this, e);
    }
}

void TForm::Show() {
    if (!Visible()) {
        SetVisible(true);
        if (OnShow) OnShow(this);
    }
    // Showing may have closed or hidden the form again.
    if (Visible() && !released_) Screen->SetActiveForm(this);
}

void TForm::Hide() {
    if (!Visible()) return;
    SetVisible(false);
    if (OnHide) OnHide(this);
    Screen->FormHidden(this);
}

void TForm::Close() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    if (!canClose) return;
    TCloseAction action = FormStyle == fsMDIChild ? caMinimize : caHide;
    if (OnClose) OnClose(this, action);
    switch (action) {
    case caNone: break;
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    }
}

void TForm::Release() {
    released_ = true;
    Application->QueueRelease(this);
}

bool TForm::Active() const { return Screen->ActiveForm() == this; }

void TForm::SetActiveControl(TWinControl* control) {
    if (control && (control == this || !ContainsControl(control)))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    if (Active())
        SetFocusedControl(control);
    else
        activeControl_ = control;
}

void TForm::Activate() {
    if (OnActivate) OnActivate(this);
    if (!Active()) return;
    TWinControl* target = activeControl_ ? activeControl_ : FindNextControl(nullptr, true);
    if (target) SetFocusedControl(target);
}

void TForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

void TForm::SetFocusedControl(TWinControl* control) {
    TWinControl* previous = activeControl_;
    activeControl_ = control;
    if (previous != control) {
        if (previous) previous->Changed(TControlChange::Focus);
        if (control) control->Changed(TControlChange::Focus);
    }
    TWinControl* target = control ? control : this;
    unsigned move = ++focusMoves_;
    while (!focusedPath_->ContainsControl(target)) {
        TWinControl* leaving = focusedPath_;
        focusedPath_ = leaving->Parent() ? leaving->Parent() : this;
        leaving->DoExit();
        if (move != focusMoves_) return;
    }
    while (focusedPath_ != target) {
        TWinControl* entering = target;
        while (entering->Parent() != focusedPath_) entering = entering->Parent();
        focusedPath_ = entering;
        entering->DoEnter();
        if (move != focusMoves_) return;
    }
}

void TForm::ControlDestroying(TWinControl* control) {
    if (control->ContainsControl(activeControl_)) activeControl_ = nullptr;
    if (control->ContainsControl(focusedPath_)) focusedPath_ = control->Parent() ? control->Parent() : this;
}

void TForm::ProcessKey(Word key, TShiftState shift, char character) {
    TWinControl* target = activeControl_ ? activeControl_ : this;
    bool dialogKey = key == VK_TAB || IsArrow(key);
    if (dialogKey && target != this && !target->WantsKey(key, shift)) {
        if (key == VK_TAB && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt))
            SelectNext(target, !shift.Contains(ssShift));
        else if (IsArrow(key))
            SelectNext(target, key == VK_RIGHT || key == VK_DOWN);
        return;
    }
    RouteKey(target, key, shift, character);
}

void TForm::RouteKey(TWinControl* target, Word key, TShiftState shift, char character) {
    bool preview = KeyPreview && target != this;
    const unsigned modalShows = Application->ModalShows();
    if (key != 0) {
        Word down = key;
        if (preview && OnKeyDown) OnKeyDown(this, down, shift);
        if (down != 0) target->KeyDown(down, shift);
    }
    // A box the key down opened took the key's character in its own message loop, before its
    // question was answered: typed now, it would act on what the answer changed (an Escape that
    // cancelled a row's edit would go on to close the screen).
    if (character != '\0' && Application->ModalShows() == modalShows) {
        char typed = character;
        if (preview && OnKeyPress) OnKeyPress(this, typed);
        if (typed != '\0') target->KeyPress(typed);
    }
    if (key != 0) {
        Word up = key;
        if (preview && OnKeyUp) OnKeyUp(this, up, shift);
        if (up != 0) target->KeyUp(up, shift);
    }
}

TWinControl* TForm::FindNextControl(TWinControl* current, bool forward) const {
    std::vector<TWinControl*> list;
    CollectTabOrder(*this, list);
    int count = static_cast<int>(list.size());
    int position = forward ? -1 : count;
    for (int i = 0; i < count; ++i)
        if (list[i] == current) position = i;
    for (int step = 0; step < count; ++step) {
        position = ((forward ? position + 1 : position - 1) + count) % count;
        TWinControl* candidate = list[position];
        if (candidate != current && candidate->TabStop() && candidate->CanFocus()) return candidate;
    }
    return nullptr;
}

void TForm::SelectNext(TWinControl* current, bool forward) {
    if (TWinControl* next = FindNextControl(current, forward)) next->SetFocus();
}
