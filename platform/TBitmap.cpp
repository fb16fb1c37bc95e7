#include "TBitmap.h"

#include "TBitmapCanvas.h"

#include <algorithm>

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other)
    : Transparent(other.Transparent), TransparentColor(other.TransparentColor), width_(other.width_),
      height_(other.height_), pixels_(other.pixels_) {}

TBitmap& TBitmap::operator=(const TBitmap& other) {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    Transparent = other.Transparent;
    TransparentColor = other.TransparentColor;
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    std::vector<TColor> resized(static_cast<size_t>(width) * height, clWhite);
    for (int y = 0; y < std::min(height, height_); ++y)
        for (int x = 0; x < std::min(width, width_); ++x) resized[y * width + x] = Pixel(x, y);
    width_ = width;
    height_ = height;
    pixels_ = std::move(resized);
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
    return pixels_[y * width_ + x];
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[y * width_ + x] = color;
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(*this);
    return *canvas_;
}
