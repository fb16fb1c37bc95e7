#include "QtCanvas.h"

#include "TBitmap.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Fonts whose letters stand for dingbats, in the classic dingbat encoding.
constexpr std::array<const char*, 3> kDingbatFonts{"Monotype Sorts", "Zapf Dingbats", "ITC Zapf Dingbats"};

bool IsDingbatFont(const TFont& font) {
    return std::any_of(kDingbatFonts.begin(), kDingbatFonts.end(),
                       [&](const char* name) { return font.Name == name; });
}

// The dingbat a printable ASCII character selects: the Unicode dingbats block follows the
// classic encoding, except for the few signs that Unicode holds elsewhere.
char32_t Dingbat(char c) {
    static constexpr std::array<std::pair<char, char32_t>, 10> elsewhere{{
        {'%', U'\u260E'}, {'*', U'\u261B'}, {'+', U'\u261E'}, {'H', U'\u2605'}, {'l', U'\u25CF'},
        {'n', U'\u25A0'}, {'s', U'\u25B2'}, {'t', U'\u25BC'}, {'u', U'\u25C6'}, {'w', U'\u25D7'},
    }};
    for (const auto& [ascii, sign] : elsewhere)
        if (c == ascii) return sign;
    return U'\u2700' + static_cast<char32_t>(c - ' ');
}

QRect ToQRect(const TRect& rect) { return QRect(rect.Left, rect.Top, rect.Width(), rect.Height()); }

QRgb PixelOf(TColor color) { return QtCanvas::QtColor(color).rgba(); }

} // namespace

QColor QtCanvas::QtColor(TColor color) {
    if (color == clNone) return QColor(Qt::transparent);
    TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QFont QtCanvas::QtFont(const TFont& font) {
    QFont qfont;
    // The screens are laid out in the Windows fonts; Liberation Sans has Arial's widths, so a
    // caption fits where the layout put it when the font itself is missing.
    qfont.setFamilies({QString::fromStdString(font.Name), "Liberation Sans"});
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setPixelSize(std::max(1, (font.Size * 96 + 36) / 72));
    qfont.setBold(font.Style.Contains(fsBold));
    qfont.setItalic(font.Style.Contains(fsItalic));
    qfont.setUnderline(font.Style.Contains(fsUnderline));
    qfont.setStrikeOut(font.Style.Contains(fsStrikeOut));
    return qfont;
}

QString QtCanvas::QtText(const TFont& font, const std::string& text) {
    if (!IsDingbatFont(font)) return QString::fromStdString(text);
    std::u32string signs;
    for (char c : text) signs += c > ' ' && c < 0x7F ? Dingbat(c) : static_cast<char32_t>(static_cast<unsigned char>(c));
    return QString::fromStdU32String(signs);
}

void QtCanvas::FillRect(const TRect& rect) {
    if (Brush.Style == bsSolid) painter_.fillRect(ToQRect(rect), QtColor(Brush.Color));
}

void QtCanvas::DrawText(const TRect& clip, int x, int y, const std::string& text) {
    painter_.save();
    painter_.setClipRect(ToQRect(clip), Qt::IntersectClip);
    QFont font = QtFont(Font);
    painter_.setFont(font);
    painter_.setPen(QtColor(Font.Color));
    painter_.drawText(QPoint(x, y + QFontMetrics(font).ascent()), QtText(Font, text));
    painter_.restore();
}

void QtCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    FillRect(rect);
    DrawText(rect, x, y, text);
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    TRect bounds = Bounds(x, y, TextWidth(text), TextHeight(text));
    FillRect(bounds);
    DrawText(bounds, x, y, text);
}

int QtCanvas::TextWidth(const std::string& text) {
    return QFontMetrics(QtFont(Font)).horizontalAdvance(QtText(Font, text));
}

int QtCanvas::TextHeight(const std::string&) { return QFontMetrics(QtFont(Font)).height(); }

Qt::Alignment QtCanvas::QtAlignment(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify: return Qt::AlignRight;
    case taCenter: return Qt::AlignHCenter;
    case taLeftJustify: break;
    }
    return Qt::AlignLeft;
}

QImage QtCanvas::QtImage(const TBitmap& bitmap) {
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_ARGB32);
    for (int row = 0; row < bitmap.Height(); ++row)
        for (int col = 0; col < bitmap.Width(); ++col) {
            TColor color = bitmap.Pixel(col, row);
            bool hidden = bitmap.Transparent && color == bitmap.TransparentColor;
            image.setPixel(col, row, hidden ? qRgba(0, 0, 0, 0) : PixelOf(color));
        }
    return image;
}

void QtCanvas::Draw(int x, int y, const TBitmap& bitmap) { painter_.drawImage(x, y, QtImage(bitmap)); }

void QtCanvas::BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor transparentColor) {
    // Pixels map one to one; a destination larger than the source is clipped to it, and the part
    // of the source outside the bitmap leaves the destination as it was.
    int width = std::min(dest.Width(), source.Width());
    int height = std::min(dest.Height(), source.Height());
    if (width <= 0 || height <= 0) return;
    QImage image(width, height, QImage::Format_ARGB32);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            TColor color = bitmap.Pixel(source.Left + col, source.Top + row);
            if (color == transparentColor) color = Brush.Color;
            image.setPixel(col, row, PixelOf(color));
        }
    painter_.drawImage(dest.Left, dest.Top, image);
}

void QtCanvas::DrawFocusRect(const TRect& rect) {
    painter_.save();
    QPen pen(QtColor(Font.Color), 1, Qt::DotLine);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    painter_.restore();
}

void QtCanvas::LineTo(int x, int y) {
    painter_.save();
    painter_.setPen(QPen(QtColor(Pen.Color), Pen.Width));
    painter_.drawLine(PenPos.X, PenPos.Y, x, y);
    painter_.restore();
    PenPos = TPoint{x, y};
}
