#pragma once
// A canvas that draws nothing and remembers every operation in order, with the brush, font and
// pen as they stood at that moment, so tests can read what a control or a paint handler drew.
#include "TBitmap.h"
#include "TCanvas.h"

#include <string>
#include <vector>

enum class CanvasOperation { FillRect, TextRect, TextOut, Draw, BrushCopy, DrawFocusRect, LineTo };

struct TCanvasRecord {
    CanvasOperation Operation = CanvasOperation::FillRect;
    TRect Rect;          // target; text or bitmap bounds for TextOut/Draw; start and end of a line
    TPoint Point;        // text origin of TextRect/TextOut, start of a line
    std::string Text;    // TextRect, TextOut
    TRect Source;        // BrushCopy
    TColor TransparentColor = clNone;  // BrushCopy
    TBitmap Bitmap;      // a copy of the bitmap drawn (Draw, BrushCopy)
    TBrush Brush;
    TFont Font;
    TPen Pen;
};

class TRecordingCanvas : public TCanvas {
public:
    void FillRect(const TRect& rect) override;
    void TextRect(const TRect& rect, int x, int y, const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;
    void Draw(int x, int y, const TBitmap& bitmap) override;
    void BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                   TColor transparentColor) override;
    void DrawFocusRect(const TRect& rect) override;
    void LineTo(int x, int y) override;

    const std::vector<TCanvasRecord>& Records() const { return records_; }
    void Clear() { records_.clear(); }

private:
    TCanvasRecord& Record(CanvasOperation operation, const TRect& rect);

    std::vector<TCanvasRecord> records_;
};
