#pragma once
// A platform record navigator as a strip of tool buttons (first, prior, next, last), one per
// visible button, each pressing the platform navigator's button.
#include "ControlBinding.h"

class TDBNavigator;

class NavigatorBinding : public ControlBinding {
public:
    NavigatorBinding(TDBNavigator& navigator, QWidget& parent, ScreenWindow& window);

    void ControlChanged(TControl& control, TControlChange change) override;

protected:
    void ApplyState() override;

private:
    TDBNavigator& Navigator() const;
};
