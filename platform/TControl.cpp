#include "TControl.h"

#include "TForm.h"
#include "TWinControl.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    if (observer_) observer_->ControlDestroyed(*this);
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) parent_->InsertControl(this);
    Changed(TControlChange::Parent);
}

TForm* TControl::ParentForm() const {
    TControl* control = parent_;
    while (control && control->Parent()) control = control->Parent();
    return dynamic_cast<TForm*>(control);
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed(TControlChange::Enabled);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed(TControlChange::Visible);
}

void TControl::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    Changed(TControlChange::Text);
}

void TControl::SetHint(std::string hint) {
    hint_ = std::move(hint);
    Changed(TControlChange::Hint);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    bounds_ = Bounds(left, top, width, height);
    Changed(TControlChange::Bounds);
}

void TControl::SetColor(TColor color) {
    color_ = color;
    Changed(TControlChange::Color);
}

void TControl::SetFont(const TFont& font) {
    font_ = font;
    Changed(TControlChange::Font);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::Invalidate() { Changed(TControlChange::Invalidate); }

void TControl::Update() { Changed(TControlChange::Update); }

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::Changed(TControlChange change) {
    if (observer_) observer_->ControlChanged(*this, change);
}
