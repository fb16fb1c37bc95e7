#pragma once
// A framed container with a caption. Takes the focus only through SetFocus, never by click or Tab.
#include "TWinControl.h"

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner) : TWinControl(owner) {}
    bool TakesFocusOnClick() const override { return false; }
};
