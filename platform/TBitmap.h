#pragma once
// A picture held as a grid of plain colours. Its Canvas draws into the pixels, so code can
// build or copy pictures headlessly; a bitmap marked Transparent is drawn without the pixels of
// its TransparentColor.
#include "TCanvas.h"
#include "TColor.h"

#include <memory>
#include <vector>

class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    ~TBitmap();

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Resizes; new pixels are white, kept pixels keep their colour.
    void SetSize(int width, int height);
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // Pixels outside the bitmap read as clNone and ignore writes.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    bool Transparent = false;
    TColor TransparentColor = clOlive;

    // Copies size, pixels and transparency of another bitmap.
    void Assign(const TBitmap& other) { *this = other; }
    TCanvas& Canvas();

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<TColor> pixels_;
    std::unique_ptr<TCanvas> canvas_;
};
