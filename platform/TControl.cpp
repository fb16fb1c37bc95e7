#include "TControl.h"

#include "TForm.h"
#include "TWinControl.h"

#include <algorithm>
#include <cstdint>

namespace {

// What the anchors of one axis keep (see anchorRule_).
int AnchorRule(bool nearEdge, bool farEdge, int position, int extent) {
    if (farEdge) return nearEdge ? extent : position;
    return nearEdge ? position : position + extent / 2;
}

// One axis of a control following its anchors when the parent's client size goes from
// `original` to `size`.
void FollowAxis(bool nearEdge, bool farEdge, int rule, int original, int size, int& position, int& extent) {
    if (nearEdge && farEdge)
        extent = std::max(0, size - (original - rule));
    else if (farEdge)
        position = size - (original - rule);
    else if (!nearEdge)  // the centre keeps its proportion, rounded to the nearest pixel
        position = static_cast<int>((int64_t{rule} * size + original / 2) / original) - extent / 2;
}

TAnchors AnchorsOf(TAlign align) {
    switch (align) {
    case alTop: return {akLeft, akTop, akRight};
    case alBottom: return {akLeft, akRight, akBottom};
    case alLeft: return {akLeft, akTop, akBottom};
    case alRight: return {akRight, akTop, akBottom};
    case alClient: return {akLeft, akTop, akRight, akBottom};
    default: return {akLeft, akTop};
    }
}

}  // namespace

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
    TakeAnchorDistances();
    Changed(TControlChange::Parent);
    if (parent_ && align_ != alNone) parent_->AlignControls();
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
    if (parent_ && align_ != alNone) parent_->AlignControls();  // a hidden aligned control takes no room
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
    TRect old = bounds_;
    bounds_ = Bounds(left, top, width, height);
    TakeAnchorDistances();
    BoundsChanged(old);
}

void TControl::PlaceByParent(TRect bounds) {
    if (bounds == bounds_) return;
    TRect old = bounds_;
    bounds_ = bounds;
    BoundsChanged(old);
}

void TControl::BoundsChanged(TRect old) {
    Changed(TControlChange::Bounds);
    if (old.Width() != Width() || old.Height() != Height()) Resized();
    if (parent_ && align_ != alNone) parent_->AlignControls();
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    SetAnchors(AnchorsOf(align));
    if (parent_) parent_->AlignControls();
}

void TControl::SetAnchors(TAnchors anchors) {
    anchors_ = anchors;
    TakeAnchorDistances();
}

void TControl::TakeAnchorDistances() {
    anchorRule_ = {AnchorRule(anchors_.Contains(akLeft), anchors_.Contains(akRight), Left(), Width()),
                   AnchorRule(anchors_.Contains(akTop), anchors_.Contains(akBottom), Top(), Height())};
    anchorParentSize_ = parent_ ? TPoint{parent_->ClientRect().Width(), parent_->ClientRect().Height()} : TPoint{};
}

void TControl::FollowAnchors(TPoint parentSize) {
    // Distances taken in a parent that had no size yet are taken again now that it has one.
    if (anchorParentSize_.X <= 0 || anchorParentSize_.Y <= 0) return TakeAnchorDistances();
    int left = Left(), top = Top(), width = Width(), height = Height();
    FollowAxis(anchors_.Contains(akLeft), anchors_.Contains(akRight), anchorRule_.X, anchorParentSize_.X,
               parentSize.X, left, width);
    FollowAxis(anchors_.Contains(akTop), anchors_.Contains(akBottom), anchorRule_.Y, anchorParentSize_.Y,
               parentSize.Y, top, height);
    PlaceByParent(Bounds(left, top, width, height));
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
