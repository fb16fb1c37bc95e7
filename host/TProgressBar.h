#pragma once
// A progress bar: Position between Min and Max (kept inside them). Never takes the focus.
#include "TControl.h"

class TProgressBar : public TControl {
public:
    explicit TProgressBar(TComponent* owner) : TControl(owner) {}

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Raises EInvalidOperation when min > max.
    void SetRange(int min, int max);
    void SetPosition(int position);

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
