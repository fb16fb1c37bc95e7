// The platform canvas on a QPainter: colours of the platform's scheme, text in the font's colour
// clipped to its rectangle, and bitmap copies that treat the transparent colour as the cell
// paints it.
#include "QtCanvas.h"

#include "TBitmap.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

class QtCanvasTest : public ::testing::Test {
protected:
    QtCanvasTest() : image(60, 30, QImage::Format_ARGB32) { image.fill(Qt::white); }

    // Runs the drawing on a canvas over the image, as a widget's paint does.
    template <typename Drawing> void Paint(Drawing drawing) {
        QPainter painter(&image);
        QtCanvas canvas(painter);
        drawing(canvas);
    }

    QColor At(int x, int y) const { return image.pixelColor(x, y); }

    int PixelsOf(const QColor& colour, const QRect& area) const {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == colour;
        return count;
    }

    QImage image;
};

TEST_F(QtCanvasTest, SystemColoursResolveThroughThePlatformScheme) {
    EXPECT_EQ(QtCanvas::QtColor(clHighlight), QColor(10, 36, 106));
    EXPECT_EQ(QtCanvas::QtColor(clInfoBk), QColor(255, 255, 225));
    EXPECT_EQ(QtCanvas::QtColor(clOlive), QColor(128, 128, 0));
    EXPECT_EQ(QtCanvas::QtColor(RGB(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(QtCanvas::QtColor(clNone).alpha(), 0);
}

TEST_F(QtCanvasTest, FillUsesTheBrushOnlyWhenSolid) {
    Paint([](QtCanvas& canvas) {
        canvas.Brush.Color = clHighlight;
        canvas.FillRect(Rect(0, 0, 10, 10));
        canvas.Brush.Color = clRed;
        canvas.Brush.Style = bsClear;
        canvas.FillRect(Rect(10, 0, 20, 10));
    });
    EXPECT_EQ(At(9, 9), QColor(10, 36, 106));
    EXPECT_EQ(At(10, 0), QColor(Qt::white));
}

TEST_F(QtCanvasTest, TextRectFillsItsRectangleAndKeepsTheGlyphsInside) {
    Paint([](QtCanvas& canvas) {
        canvas.Brush.Color = clInfoBk;
        canvas.Font.Color = clRed;
        canvas.TextRect(Rect(0, 0, 12, 17), 3, 3, "WWWWWWWW");
    });
    EXPECT_EQ(At(0, 0), QColor(255, 255, 225));
    EXPECT_GT(PixelsOf(QColor(255, 0, 0), QRect(3, 3, 9, 14)), 0);
    EXPECT_EQ(PixelsOf(QColor(255, 0, 0), QRect(12, 0, 48, 30)), 0);
}

TEST_F(QtCanvasTest, TextMeasuresWithTheFont) {
    Paint([](QtCanvas& canvas) {
        int narrow = canvas.TextWidth("W");
        EXPECT_GT(narrow, 0);
        EXPECT_NEAR(canvas.TextWidth("WW"), 2 * narrow, 1);  // advances may be fractional
        canvas.Font.Size = 16;
        EXPECT_GT(canvas.TextWidth("W"), narrow);
        EXPECT_GT(canvas.TextHeight("W"), 16);
    });
}

TEST_F(QtCanvasTest, SymbolFontShowsItsDingbats) {
    TFont sorts;
    sorts.Name = "Monotype Sorts";
    EXPECT_EQ(QtCanvas::QtText(sorts, "4"), QString(QChar(0x2714)));
    EXPECT_EQ(QtCanvas::QtText(sorts, "l "), QString(QChar(0x25CF)) + " ");
    EXPECT_EQ(QtCanvas::QtText(TFont{}, "4 Ção"), QString::fromUtf8("4 Ção"));
}

// A 4 x 2 picture: olive, black, white, olive on top; white below.
TBitmap Picture() {
    TBitmap picture(4, 2);
    picture.SetPixel(0, 0, clOlive);
    picture.SetPixel(1, 0, clBlack);
    picture.SetPixel(3, 0, clOlive);
    return picture;
}

TEST_F(QtCanvasTest, BrushCopyPaintsTheTransparentColourWithTheBrushAndClipsToTheSource) {
    Paint([](QtCanvas& canvas) {
        canvas.Brush.Color = clHighlight;
        // A destination taller than the picture: the rows below it stay as they were.
        canvas.BrushCopy(Bounds(10, 10, 4, 17), Picture(), Bounds(0, 0, 4, 17), clOlive);
    });
    EXPECT_EQ(At(10, 10), QColor(10, 36, 106));
    EXPECT_EQ(At(11, 10), QColor(Qt::black));
    EXPECT_EQ(At(12, 10), QColor(Qt::white));
    EXPECT_EQ(At(13, 10), QColor(10, 36, 106));
    EXPECT_EQ(At(10, 11), QColor(Qt::white));
    EXPECT_EQ(PixelsOf(QColor(128, 128, 0), image.rect()), 0);
}

TEST_F(QtCanvasTest, DrawLeavesTheTransparentColourOfATransparentBitmapUnpainted) {
    image.fill(Qt::green);
    TBitmap picture = Picture();
    Paint([&](QtCanvas& canvas) { canvas.Draw(0, 0, picture); });
    EXPECT_EQ(At(0, 0), QColor(128, 128, 0));
    picture.Transparent = true;
    Paint([&](QtCanvas& canvas) { canvas.Draw(20, 0, picture); });
    EXPECT_EQ(At(20, 0), QColor(Qt::green));
    EXPECT_EQ(At(21, 0), QColor(Qt::black));
}

} // namespace
