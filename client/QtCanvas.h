#pragma once
// The platform's canvas on a QPainter: what a grid and its cell handlers draw lands on the widget
// being painted. Brush, font and pen are read at each operation, as on the platform. Colours go
// through the platform's own scheme (ColorToRGB), so headless and desktop agree on one palette;
// sizes are pixels at 96 dpi.
//
// The painter is borrowed: it must outlive the canvas, and its state (clip, pen, brush, font) is
// saved and restored around every operation.
#include "DBTypes.h"
#include "TCanvas.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

class QPainter;

class QtCanvas : public TCanvas {
public:
    explicit QtCanvas(QPainter& painter) : painter_(painter) {}

    void FillRect(const TRect& rect) override;
    void TextRect(const TRect& rect, int x, int y, const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void Draw(int x, int y, const TBitmap& bitmap) override;
    void BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor transparentColor) override;
    void DrawFocusRect(const TRect& rect) override;
    void LineTo(int x, int y) override;

    // A platform colour as Qt paints it; clNone is transparent.
    static QColor QtColor(TColor color);
    // A platform font: its family (a sans-serif stand-in when the machine lacks it), its point
    // size as pixels at 96 dpi, its styles.
    static QFont QtFont(const TFont& font);
    // Text as the font shows it: UTF-8 as is, except that a symbol font ("Monotype Sorts") draws
    // its letters as the dingbats it holds, e.g. "4" as a check mark.
    static QString QtText(const TFont& font, const std::string& text);
    // A platform alignment as Qt's horizontal flag (callers add the vertical one they want).
    static Qt::Alignment QtAlignment(TAlignment alignment);
    // A platform picture, its transparent colour see-through when it is marked transparent.
    static QImage QtImage(const TBitmap& bitmap);

private:
    void DrawText(const TRect& clip, int x, int y, const std::string& text);

    QPainter& painter_;
};
