#pragma once
// A control that holds children and can take the input focus. Focus moves go through the
// parent form (TForm::SetFocusedControl), which runs the OnExit/OnEnter sequence; keys reach the
// focused control through the form's key routing (TForm::ProcessKey).
//
// Tab order: each container keeps its children in a tab list; TabOrder is the position in the
// parent's list (new children go last). Tab moves through the form's controls depth first in
// that order, stopping at those with TabStop that can take the focus.
#include "TControl.h"

#include <vector>

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const std::vector<TControl*>& Controls() const { return controls_; }
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    // True for this control itself and for every control inside it.
    bool ContainsControl(const TControl* control) const;

    const std::vector<TWinControl*>& TabList() const { return tabList_; }
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

    // The control and every parent up to its form are visible and enabled (the form itself is
    // not asked), and it sits on a form.
    virtual bool CanFocus() const;
    // Moves the focus here through the form's exit/enter sequence. Raises EInvalidOperation
    // "Cannot focus a disabled or invisible window" when CanFocus is false or the form is hidden.
    void SetFocus();
    // The control holds the focus (it is its form's ActiveControl).
    virtual bool Focused() const;
    // A mouse click on the control gives it the focus (containers and labels do not take it).
    virtual bool TakesFocusOnClick() const { return true; }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

    // Whether the control handles a dialog key (Tab, arrows, Enter, Escape) itself; a key it
    // does not want is the form's (Tab and arrows move the focus).
    virtual bool WantsKey(Word key, TShiftState shift) const;
    // One keystroke as the form delivers it: the handler first, then, unless it set the key to
    // 0 (or '\0'), the control's own action.
    virtual void KeyDown(Word& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void KeyUp(Word& key, TShiftState shift);

    // Focus arrives / leaves (the form calls them in its sequence); they run OnEnter/OnExit.
    virtual void DoEnter();
    virtual void DoExit();

    // Places the aligned children, then the others by their anchors (see TControl::SetAlign and
    // SetAnchors); runs by itself when the container's size or an aligned child changes.
    void AlignControls();

protected:
    void Resized() override { AlignControls(); }
    // Built-in reaction to a key or character the handlers left alone.
    virtual void KeyAction(Word& /*key*/, TShiftState /*shift*/) {}
    virtual void CharAction(char& /*key*/) {}

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool aligning_ = false;
};
