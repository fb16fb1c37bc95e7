#pragma once
// Small helpers for building the screen's layout: every control is named, owned by the screen
// and placed in its parent in one call, so that creation order is the tab order.
#include "TControl.h"
#include "TWinControl.h"

template <typename Control>
Control* Place(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, int height) {
    auto* control = new Control(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// The working area grows with the screen: these keep their distance to the right edge (and the
// bottom one) of their parent as it grows, the rest keep their place.
inline void GrowAcross(TControl* control) { control->SetAnchors({akLeft, akTop, akRight}); }
inline void GrowAcrossAndDown(TControl* control) { control->SetAnchors({akLeft, akTop, akRight, akBottom}); }
inline void KeepAtBottom(TControl* control) { control->SetAnchors({akLeft, akRight, akBottom}); }

// Labels of the screen: bold 8-point "MS Sans Serif".
inline void MakeBold(TControl* control) {
    TFont font = control->Font();
    font.Name = "MS Sans Serif";
    font.Size = 8;
    font.Style.Include(fsBold);
    control->SetFont(font);
}

// Edits the user types into have the tooltip background; those that only show, the button face.
inline void InputColour(TControl* edit) { edit->SetColor(clInfoBk); }
inline void DisplayOnly(TControl* edit) {
    edit->SetEnabled(false);
    edit->SetColor(clBtnFace);
}
