#pragma once
// The host's routines over a screen's controls.
#include <string_view>

class TDBGrid;
class TWinControl;

// Disables or enables the controls directly inside `container`.
//
// Disabling remembers which of them were enabled; enabling afterwards enables exactly those, so
// that a control the screen keeps disabled on purpose (a name box that only shows, the branch
// code of a client in branch mode) stays disabled across a lock and unlock. Disabling twice
// before enabling remembers both sets. Enabling with nothing remembered enables every child.
void SetChildEnabled(TWinControl* container, bool enabled);

// The index into the grid's Columns of the first column bound to the field (names compared
// without regard to case); -1 when no column shows it. Screens find columns by field name so
// that a column moved by the user, or added in the layout, does not shift their code.
int IndiceCol(const TDBGrid* grid, std::string_view fieldName);
