#pragma once
// The picture of a screen's lookup buttons (a file, a branch): a magnifying glass,
// 16 x 16, on the transparent olive background.
#include "TBitmap.h"

TBitmap LookupPicture();
