#include "TWinControl.h"

#include "SysUtils.h"
#include "TForm.h"

#include <algorithm>

namespace {

// The aligned control's place at its side of `free`, which loses that strip.
TRect TakeSide(TRect& free, TAlign align, const TControl& control) {
    TRect place = free;
    switch (align) {
    case alTop:
        place.Bottom = free.Top = std::min(free.Bottom, free.Top + control.Height());
        break;
    case alBottom:
        place.Top = free.Bottom = std::max(free.Top, free.Bottom - control.Height());
        break;
    case alLeft:
        place.Right = free.Left = std::min(free.Right, free.Left + control.Width());
        break;
    case alRight:
        place.Left = free.Right = std::max(free.Left, free.Right - control.Width());
        break;
    default: break;  // alClient takes all that is left
    }
    return place;
}

// The visible children with `align`, in the order their sides are taken: nearest that side first.
std::vector<TControl*> AlignedControls(const std::vector<TControl*>& controls, TAlign align) {
    std::vector<TControl*> aligned;
    for (TControl* control : controls)
        if (control->Align() == align && control->Visible()) aligned.push_back(control);
    auto key = [align](const TControl* c) {
        switch (align) {
        case alTop: return c->Top();
        case alBottom: return -c->BoundsRect().Bottom;
        case alLeft: return c->Left();
        case alRight: return -c->BoundsRect().Right;
        default: return 0;
        }
    };
    std::stable_sort(aligned.begin(), aligned.end(),
                     [&key](const TControl* a, const TControl* b) { return key(a) < key(b); });
    return aligned;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    if (TForm* form = ParentForm(); form && form != this) form->ControlDestroying(this);
    // Children may outlive their container (their owner destroys them later): they must not
    // reach back into it.
    for (TControl* control : controls_) control->parent_ = nullptr;
}

void TWinControl::AlignControls() {
    // Placing a child may call back here (an aligned child's bounds changed): the pass under way
    // places it already.
    if (aligning_) return;
    aligning_ = true;
    TRect free = ClientRect();
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient})
        for (TControl* control : AlignedControls(controls_, align))
            control->PlaceByParent(TakeSide(free, align, *control));
    const TPoint size{ClientRect().Width(), ClientRect().Height()};
    for (TControl* control : std::vector<TControl*>(controls_))
        if (control->Align() == alNone) control->FollowAnchors(size);
    aligning_ = false;
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (; control; control = control->Parent())
        if (control == this) return true;
    return false;
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    list.erase(std::find(list.begin(), list.end(), this));
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::CanFocus() const {
    TForm* form = ParentForm();
    if (!form) return false;
    for (const TControl* control = this; control != form; control = control->Parent())
        if (!control->Visible() || !control->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    TForm* form = ParentForm();
    if (!CanFocus() || !form->Visible()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    form->SetActiveControl(this);
}

bool TWinControl::Focused() const {
    TForm* form = ParentForm();
    return form && form->ActiveControl() == this;
}

bool TWinControl::WantsKey(Word, TShiftState) const { return false; }

void TWinControl::KeyDown(Word& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
    if (key != 0) KeyAction(key, shift);
}

void TWinControl::KeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
    if (key != '\0') CharAction(key);
}

void TWinControl::KeyUp(Word& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    if (auto* winControl = dynamic_cast<TWinControl*>(control)) tabList_.push_back(winControl);
}

void TWinControl::RemoveControl(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
}
