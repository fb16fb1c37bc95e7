#pragma once
// A canvas that paints into a bitmap's pixels. Fills, lines and bitmap copies change pixels;
// text has no glyphs headlessly, so text operations paint only their background.
#include "TCanvas.h"

class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}

    void FillRect(const TRect& rect) override;
    void TextRect(const TRect& rect, int x, int y, const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;
    void Draw(int x, int y, const TBitmap& bitmap) override;
    void BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                   TColor transparentColor) override;
    void DrawFocusRect(const TRect& rect) override;
    void LineTo(int x, int y) override;

private:
    void Fill(const TRect& rect, TColor color);

    TBitmap& bitmap_;
};
