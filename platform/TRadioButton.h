#pragma once
// A radio button. Checking it unchecks the other radio buttons of the same parent and runs
// OnClick; only the checked button of a group is a tab stop.
#include "TWinControl.h"

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner) : TWinControl(owner) {}

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // A click checks the button (OnClick runs when that changes it).
    void Click() override { SetChecked(true); }

private:
    bool checked_ = false;
};
