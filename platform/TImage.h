#pragma once
// A picture on the form. Never takes the focus.
#include "TBitmap.h"
#include "TControl.h"

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner) : TControl(owner) {}

    // The picture; change it in place and call Invalidate, or replace it with SetBitmap.
    TBitmap& Bitmap() { return bitmap_; }
    const TBitmap& Bitmap() const { return bitmap_; }
    void SetBitmap(const TBitmap& bitmap) {
        bitmap_ = bitmap;
        Invalidate();
    }
    bool Transparent() const { return bitmap_.Transparent; }
    void SetTransparent(bool transparent) {
        bitmap_.Transparent = transparent;
        Invalidate();
    }
    bool Stretch = false;
    bool Center = false;

private:
    TBitmap bitmap_;
};
