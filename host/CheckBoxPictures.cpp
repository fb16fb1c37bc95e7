#include "CheckBoxPictures.h"

#include "LayoutHelpers.h"
#include "TCanvas.h"
#include "TForm.h"
#include "TImage.h"

namespace {

constexpr int kSize = 16;
constexpr int kBoxFirst = 2;  // the box spans rows and columns 2..13
constexpr int kBoxLast = 13;

// The tick, two pixels thick: down from (4,7) to (6,9), then up to (11,4).
constexpr struct {
    int x, y;
} kTick[] = {{4, 7}, {5, 8}, {6, 9}, {7, 8}, {8, 7}, {9, 6}, {10, 5}, {11, 4}};

TColor BoxPixel(int x, int y) {
    if (x < kBoxFirst || x > kBoxLast || y < kBoxFirst || y > kBoxLast) return clOlive;
    if (x == kBoxLast || y == kBoxLast) return clSilver;
    if (x == kBoxFirst || y == kBoxFirst) return clBlack;
    return clWhite;
}

}  // namespace

TBitmap CheckBoxPicture(bool checked) {
    TBitmap picture(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) picture.SetPixel(x, y, BoxPixel(x, y));
    if (checked)
        for (const auto& point : kTick) {
            picture.SetPixel(point.x, point.y, clBlack);
            picture.SetPixel(point.x, point.y + 1, clBlack);
        }
    picture.Transparent = true;
    picture.TransparentColor = clOlive;
    return picture;
}

void PaintCheckBox(TCanvas& canvas, const TRect& rect, const TBitmap& picture) {
    const TBitmap bitmap(picture);
    canvas.FillRect(rect);
    const int left = rect.Left + (rect.Width() - bitmap.Width()) / 2;
    canvas.BrushCopy(Bounds(left, rect.Top, bitmap.Width(), rect.Height()), bitmap,
                     Bounds(0, 0, bitmap.Width(), rect.Height()), clOlive);
}

void PlaceCheckBoxImages(TForm* screen, TImage*& checked, TImage*& unchecked) {
    checked = Place<TImage>(screen, screen, "imgCheck", 0, 0, 16, 16);
    checked->SetBitmap(CheckBoxPicture(true));
    checked->Hide();
    unchecked = Place<TImage>(screen, screen, "imgUncheck", 0, 0, 16, 16);
    unchecked->SetBitmap(CheckBoxPicture(false));
    unchecked->Hide();
}
