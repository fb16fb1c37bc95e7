#pragma once
// The check-box pictures of a grid's mark column (a screen's imgCheck and imgUncheck): 16 x 16,
// a white box framed black at its top and left and silver at its right and bottom, on an olive
// background that the grid paints as the cell's own background; the checked picture adds a
// black tick.
#include "TBitmap.h"
#include "TRect.h"

class TCanvas;
class TForm;
class TImage;

TBitmap CheckBoxPicture(bool checked);

// Paints a mark cell: the check box centred across the cell and set at its top, its olive
// background taking the cell's colour.
void PaintCheckBox(TCanvas& canvas, const TRect& rect, const TBitmap& picture);

// The screen's hidden imgCheck and imgUncheck, holding the two pictures its mark column paints.
void PlaceCheckBoxImages(TForm* screen, TImage*& checked, TImage*& unchecked);
