#include "TRecordingCanvas.h"

TCanvasRecord& TRecordingCanvas::Record(CanvasOperation operation, const TRect& rect) {
    TCanvasRecord& record = records_.emplace_back();
    record.Operation = operation;
    record.Rect = rect;
    record.Brush = Brush;
    record.Font = Font;
    record.Pen = Pen;
    return record;
}

void TRecordingCanvas::FillRect(const TRect& rect) { Record(CanvasOperation::FillRect, rect); }

void TRecordingCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    TCanvasRecord& record = Record(CanvasOperation::TextRect, rect);
    record.Point = TPoint{x, y};
    record.Text = text;
}

void TRecordingCanvas::TextOut(int x, int y, const std::string& text) {
    TCanvasRecord& record = Record(CanvasOperation::TextOut, Bounds(x, y, TextWidth(text), TextHeight(text)));
    record.Point = TPoint{x, y};
    record.Text = text;
}

void TRecordingCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    Record(CanvasOperation::Draw, Bounds(x, y, bitmap.Width(), bitmap.Height())).Bitmap = bitmap;
}

void TRecordingCanvas::BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                                 TColor transparentColor) {
    TCanvasRecord& record = Record(CanvasOperation::BrushCopy, dest);
    record.Bitmap = bitmap;
    record.Source = source;
    record.TransparentColor = transparentColor;
}

void TRecordingCanvas::DrawFocusRect(const TRect& rect) { Record(CanvasOperation::DrawFocusRect, rect); }

void TRecordingCanvas::LineTo(int x, int y) {
    Record(CanvasOperation::LineTo, Rect(PenPos.X, PenPos.Y, x, y)).Point = PenPos;
    PenPos = TPoint{x, y};
}
