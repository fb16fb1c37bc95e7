#pragma once
// The check-box pictures of the import-mark column (imgCheck, imgUncheck): 16 x 16, a white box
// framed black at its top and left and silver at its right and bottom, on an olive background
// that the grid paints as the cell's own background; the checked picture adds a black tick.
#include "TBitmap.h"

namespace krd52100 {

TBitmap CheckBoxPicture(bool checked);

}  // namespace krd52100
