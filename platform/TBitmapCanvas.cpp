#include "TBitmapCanvas.h"

#include "TBitmap.h"

#include <algorithm>

void TBitmapCanvas::Fill(const TRect& rect, TColor color) {
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x) bitmap_.SetPixel(x, y, ColorToRGB(color));
}

void TBitmapCanvas::FillRect(const TRect& rect) {
    if (Brush.Style == bsSolid) Fill(rect, Brush.Color);
}

void TBitmapCanvas::TextRect(const TRect& rect, int, int, const std::string&) { FillRect(rect); }

void TBitmapCanvas::TextOut(int x, int y, const std::string& text) {
    FillRect(Bounds(x, y, TextWidth(text), TextHeight(text)));
}

void TBitmapCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    for (int row = 0; row < bitmap.Height(); ++row)
        for (int col = 0; col < bitmap.Width(); ++col) {
            TColor color = bitmap.Pixel(col, row);
            if (bitmap.Transparent && color == bitmap.TransparentColor) continue;
            bitmap_.SetPixel(x + col, y + row, color);
        }
}

void TBitmapCanvas::BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                              TColor transparentColor) {
    // Pixels map one to one; a destination larger than the source is clipped to it.
    int width = std::min(dest.Width(), source.Width());
    int height = std::min(dest.Height(), source.Height());
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            TColor color = bitmap.Pixel(source.Left + col, source.Top + row);
            if (color == clNone) continue;
            if (color == transparentColor) color = ColorToRGB(Brush.Color);
            bitmap_.SetPixel(dest.Left + col, dest.Top + row, color);
        }
}

void TBitmapCanvas::DrawFocusRect(const TRect&) {}

void TBitmapCanvas::LineTo(int x, int y) {
    // Only the horizontal and vertical lines that grids and frames draw.
    TRect line = PenPos.X == x ? Rect(x, std::min(PenPos.Y, y), x + Pen.Width, std::max(PenPos.Y, y))
                               : Rect(std::min(PenPos.X, x), y, std::max(PenPos.X, x), y + Pen.Width);
    Fill(line, Pen.Color);
    PenPos = TPoint{x, y};
}
