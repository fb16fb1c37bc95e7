#pragma once
// A visual control: the properties every control shares (parent, visibility, text, bounds,
// colour, font) and the hook through which a toolkit adapter follows it. Controls are headless:
// an adapter observes them and mirrors their properties on real widgets, and drives them back
// through the same calls a test makes.
//
// Properties with an effect beyond storing the value (the adapter must hear of them) have a
// getter and a Set* function; plain flags are public members.
#include "ControlEvents.h"
#include "TColor.h"
#include "TComponent.h"
#include "TFont.h"
#include "TRect.h"
#include "TSet.h"

#include <string>

class TControl;
class TForm;
class TWinControl;

enum class TControlChange { Parent, Bounds, Text, Visible, Enabled, Color, Font, Hint, Focus, State, Invalidate, Update };

// The adapter's view of a control. Set with TControl::SetObserver; one observer per control.
class TControlObserver {
public:
    virtual ~TControlObserver() = default;
    // A property changed (State: a control-specific one, e.g. Checked, ActivePage, grid
    // options); Invalidate asks for a repaint later, Update for one now.
    virtual void ControlChanged(TControl& control, TControlChange change) = 0;
    // The control is being destroyed; the observer must forget it.
    virtual void ControlDestroyed(TControl& control) = 0;
};

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    // Moves the control into `parent`'s children (nullptr: out of any).
    void SetParent(TWinControl* parent);
    // The form this control sits on (itself for a form), or nullptr.
    virtual TForm* ParentForm() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    // Caption and Text are one property, as on the platform: labels and buttons call it
    // Caption, edits Text.
    const std::string& Caption() const { return text_; }
    void SetCaption(std::string caption) { SetText(std::move(caption)); }
    const std::string& Text() const { return text_; }
    virtual void SetText(std::string text);

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool ShowHint = false;

    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    TRect BoundsRect() const { return bounds_; }
    // The area inside the control where its children sit (a form's excludes its frame).
    virtual TRect ClientRect() const { return Rect(0, 0, Width(), Height()); }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

    // An aligned control sits at one side of what the parent's earlier aligned controls left
    // free (alTop, alBottom, alLeft, alRight, placed in that order, each side in the order of the
    // controls' positions), keeping its height (top, bottom) or width (left, right), or fills all
    // that is left (alClient). The parent places it again whenever its own size or an aligned
    // child's bounds change. Setting Align sets the matching anchors.
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    // The parent's edges whose distance the control keeps when the parent is resized (left and
    // top by default): anchored to two opposite edges it stretches, to neither it keeps its centre
    // where it was in proportion. The distances are those of the last SetBounds, SetParent or
    // SetAnchors; taken while the parent had no size yet, they are taken again once it has one.
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);

    int Tag = 0;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    // Runs OnClick (controls with a built-in click action do it first).
    virtual void Click();
    virtual void DblClick();

    // The control needs painting (the adapter repaints when it gets to it).
    void Invalidate();
    // Paints pending changes now.
    void Update();
    // Invalidate and Update: the platform's Repaint and Refresh are the same.
    void Repaint();
    void Refresh() { Repaint(); }

    TControlObserver* Observer() const { return observer_; }
    void SetObserver(TControlObserver* observer) { observer_ = observer; }

    // Tells the observer; controls call it from their setters, the form on focus moves.
    void Changed(TControlChange change);

protected:
    // The control's size changed (containers place their children again).
    virtual void Resized() {}

private:
    friend class TWinControl;  // a container being destroyed lets go of its children, and places them

    // Where the parent's resizing or alignment puts the control: the anchor distances stay.
    void PlaceByParent(TRect bounds);
    void FollowAnchors(TPoint parentSize);
    void TakeAnchorDistances();
    void BoundsChanged(TRect old);

    TWinControl* parent_ = nullptr;
    bool enabled_ = true;
    bool visible_ = true;
    std::string text_;
    std::string hint_;
    TRect bounds_;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    // Per axis, what the anchors keep: the size (both edges), the near edge's position (far edge
    // only) or the centre (neither); and the parent's client size when it was taken.
    TPoint anchorRule_;
    TPoint anchorParentSize_;
    TColor color_ = clBtnFace;
    TFont font_;
    TControlObserver* observer_ = nullptr;
};
