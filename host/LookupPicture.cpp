#include "LookupPicture.h"

TBitmap LookupPicture() {
    constexpr int kSize = 16;
    TBitmap picture(kSize, kSize);
    picture.Transparent = true;
    for (int x = 0; x < kSize; ++x)
        for (int y = 0; y < kSize; ++y) picture.SetPixel(x, y, picture.TransparentColor);
    // The lens: a ring around (6, 6), light inside.
    for (int x = 0; x < kSize; ++x)
        for (int y = 0; y < kSize; ++y) {
            const int distance = (x - 6) * (x - 6) + (y - 6) * (y - 6);
            if (distance <= 12) picture.SetPixel(x, y, clWhite);
            if (distance > 12 && distance <= 25) picture.SetPixel(x, y, clNavy);
        }
    // The handle, two pixels thick, down to the bottom right.
    for (int step = 10; step < 15; ++step) {
        picture.SetPixel(step, step, clMaroon);
        picture.SetPixel(step - 1, step, clMaroon);
        picture.SetPixel(step, step - 1, clMaroon);
    }
    return picture;
}
