#pragma once
// A window of the application: the top of a tree of controls, the owner of the focus model and
// the router of keys.
//
// Focus model. The form keeps two pointers: ActiveControl (where the focus is going, set first
// on every move) and the focused path (the control whose OnEnter ran last, or the container up
// to which OnExit ran last). A move to B:
//   1. ActiveControl := B;
//   2. while the focused path does not contain B: leave it (path := its parent), run its OnExit;
//   3. while the focused path is not B: step into the child of the path that contains B, run
//      its OnEnter.
// Every move has a number; a handler that moves the focus itself starts a new move, and the
// outer one stops at once. A handler that raises stops the move where it is (nothing is rolled
// back) and the exception goes on to the caller (the dispatcher). Moves made while the form is
// inactive only set ActiveControl; the sequence runs when the form is activated.
//
// Key routing, for one keystroke (ProcessKey):
//   dialog keys (Tab, Shift+Tab, arrows) the focused control does not want move the focus and
//   reach no handler; otherwise: form OnKeyDown (KeyPreview) -> control KeyDown -> form
//   OnKeyPress (KeyPreview) -> control KeyPress -> form OnKeyUp (KeyPreview) -> control KeyUp.
//   A key set to 0 / '\0' by a handler stops that stage only: a swallowed key down still
//   produces its character.
#include "TWinControl.h"

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TComponent* Sender, bool& CanClose)>;

class TForm : public TWinControl {
public:
    // Created hidden. A form that may free itself (Close with caFree, Release) must be owned by
    // Application or by nothing: Release deletes it.
    explicit TForm(TComponent* owner);
    ~TForm() override;

    TForm* ParentForm() const override { return const_cast<TForm*>(this); }
    bool TakesFocusOnClick() const override { return false; }

    // The frame around the client area at 96 dpi: a form's bounds are its outer size.
    static constexpr int BorderWidth = 4;
    static constexpr int CaptionHeight = 19;
    TRect ClientRect() const override;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    // Resizes the form so that its client area is `width` x `height`; the controls follow their
    // alignment and anchors.
    void SetClientSize(int width, int height);

    bool KeyPreview = false;
    TFormStyle FormStyle = fsNormal;
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);

    TNotifyEvent OnCreate, OnShow, OnActivate, OnDeactivate, OnHide, OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    // Runs OnCreate as the platform's form loader does, once the layout is built: an exception
    // in it goes to Application->HandleException (EAbort silent) and the creation goes on.
    void DoCreate();
    // Makes the form visible (OnShow), then active (OnActivate) and moves the focus to
    // ActiveControl or the first control in tab order.
    void Show();
    // Hides (OnHide); the next form on Screen becomes active.
    void Hide();
    // OnCloseQuery, then OnClose with the default action (caHide; caMinimize for an MDI
    // child), then that action: caHide hides, caFree releases, caMinimize minimises.
    void Close();
    // Deletes the form once the current user action is over (Application->ProcessMessages).
    void Release();
    bool Active() const;

    TWinControl* ActiveControl() const { return activeControl_; }
    // On an active form a focus move (see above); otherwise remembered for activation.
    // nullptr leaves every control (OnExit up to the form).
    void SetActiveControl(TWinControl* control);
    // The control whose OnEnter ran last on the current path.
    TWinControl* FocusedPath() const { return focusedPath_; }

    // One keystroke, routed as described above; `character` is '\0' for keys that type none.
    void ProcessKey(Word key, TShiftState shift, char character);
    // The next (or previous) control in tab order after `current` that has TabStop and can
    // take the focus, wrapping around; nullptr when there is none.
    TWinControl* FindNextControl(TWinControl* current, bool forward) const;
    void SelectNext(TWinControl* current, bool forward);

    // For Screen: the form became (in)active.
    void Activate();
    void Deactivate();
    // For controls: `control` is going away; focus pointers inside it move to its parent.
    void ControlDestroying(TWinControl* control);

private:
    void SetFocusedControl(TWinControl* control);
    void RouteKey(TWinControl* target, Word key, TShiftState shift, char character);

    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedPath_ = this;
    unsigned focusMoves_ = 0;
    TWindowState windowState_ = wsNormal;
    bool released_ = false;
};
