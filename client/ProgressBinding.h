#pragma once
// A platform progress bar as a QProgressBar: its range and position, without a percentage text.
#include "ControlBinding.h"

class QProgressBar;
class TProgressBar;

class ProgressBinding : public ControlBinding {
public:
    ProgressBinding(TProgressBar& bar, QWidget& parent, ScreenWindow& window);

protected:
    void ApplyState() override;

private:
    TProgressBar& Bar() const;
    QProgressBar& View() const;
};
