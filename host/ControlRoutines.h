#pragma once
// The host's routines over a screen's controls.
class TWinControl;

// Disables or enables the controls directly inside `container`.
//
// Disabling remembers which of them were enabled; enabling afterwards enables exactly those, so
// that a control the screen keeps disabled on purpose (a name box that only shows, the branch
// code of a client in branch mode) stays disabled across a lock and unlock. Disabling twice
// before enabling remembers both sets. Enabling with nothing remembered enables every child.
void SetChildEnabled(TWinControl* container, bool enabled);
