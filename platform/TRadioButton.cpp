#include "TRadioButton.h"

void TRadioButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    SetTabStop(checked);
    Changed(TControlChange::State);
    if (!checked) return;
    if (Parent())
        for (TControl* sibling : Parent()->Controls())
            if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this) radio->SetChecked(false);
    TWinControl::Click();
}
