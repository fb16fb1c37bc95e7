#include "TProgressBar.h"

#include "SysUtils.h"

#include <algorithm>

void TProgressBar::SetRange(int min, int max) {
    if (min > max) throw EInvalidOperation("Progress bar range with Min above Max");
    min_ = min;
    max_ = max;
    SetPosition(position_);
}

void TProgressBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    Changed(TControlChange::State);
}
