#pragma once
// The drawing surface that controls and paint handlers use. Brush, Font and Pen are plain
// values read at each operation, as the platform's canvas does. Implementations: TRecordingCanvas
// (remembers operations, for tests), TBitmapCanvas (pixels of a TBitmap), and a toolkit canvas
// supplied by the desktop client.
#include "TColor.h"
#include "TFont.h"
#include "TRect.h"

#include <string>

class TBitmap;

enum TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

class TCanvas {
public:
    virtual ~TCanvas() = default;

    TBrush Brush;
    TFont Font;
    TPen Pen;

    // Fills the rectangle with the brush colour.
    virtual void FillRect(const TRect& rect) = 0;
    // Writes text with its top-left corner at (x, y), clipped to the rectangle; with a solid
    // brush the rectangle is filled first.
    virtual void TextRect(const TRect& rect, int x, int y, const std::string& text) = 0;
    // Writes text with its top-left corner at (x, y); a solid brush fills behind the text.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Headless metrics: every character is a cell of three quarters of the point size plus one
    // pixel wide, and a line is 13/8 of the point size high (7 x 13 at 8 points). A toolkit
    // canvas measures real glyphs.
    virtual int TextWidth(const std::string& text);
    virtual int TextHeight(const std::string& text);
    // Copies the whole bitmap with its top-left corner at (x, y); a bitmap marked Transparent
    // leaves its transparent colour's pixels unpainted.
    virtual void Draw(int x, int y, const TBitmap& bitmap) = 0;
    // Copies the source part of the bitmap into the destination rectangle, painting the pixels
    // of the transparent colour with the brush colour instead.
    virtual void BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                           TColor transparentColor) = 0;
    // Draws the dotted focus frame around the rectangle.
    virtual void DrawFocusRect(const TRect& rect) = 0;
    // Draws a line with the pen from the pen position to (x, y), which becomes the pen position.
    virtual void LineTo(int x, int y) = 0;

    void MoveTo(int x, int y) { PenPos = TPoint{x, y}; }
    TPoint PenPos;
};
