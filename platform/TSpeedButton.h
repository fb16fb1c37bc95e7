#pragma once
// A flat tool button. It never takes the focus, so clicking it leaves the focused control (and
// its pending OnExit) alone. Click() runs OnClick whether enabled or not, as the platform's
// does; a user click (Application->Click) on a disabled button does nothing.
#include "TBitmap.h"
#include "TControl.h"

class TSpeedButton : public TControl {
public:
    explicit TSpeedButton(TComponent* owner) : TControl(owner) {}

    bool Flat = false;
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& glyph) {
        glyph_ = glyph;
        Changed(TControlChange::State);
    }

private:
    TBitmap glyph_;
};
