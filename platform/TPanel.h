#pragma once
// A container with a caption. Takes the focus only through SetFocus, never by click or Tab.
#include "TWinControl.h"

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner) : TWinControl(owner) {}
    bool TakesFocusOnClick() const override { return false; }
};
