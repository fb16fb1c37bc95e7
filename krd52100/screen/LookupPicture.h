#pragma once
// The picture of the screen's two lookup buttons (the file and the branch): a magnifying glass,
// 16 x 16, on the transparent olive background.
#include "TBitmap.h"

namespace krd52100 {

TBitmap LookupPicture();

}  // namespace krd52100
