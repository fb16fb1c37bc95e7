#pragma once
// A validator that refuses puts the focus back on the control it checked, so the user corrects
// the value where it was typed. A control that cannot take the focus (the branch code of a
// client in branch mode is disabled) is left alone: moving the focus there would raise an
// error box of its own on top of the refusal already shown.
#include "TWinControl.h"

inline void FocusBack(TWinControl& control) {
    if (control.CanFocus()) control.SetFocus();
}
