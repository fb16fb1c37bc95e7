#pragma once
// A platform radio button as a QRadioButton. Qt does not check it on its own: a click is the
// platform button's click (which checks it and unchecks its siblings), and the view then shows
// what the platform holds.
#include "ControlBinding.h"

class QRadioButton;
class TRadioButton;

class RadioBinding : public ControlBinding {
public:
    RadioBinding(TRadioButton& radio, QWidget& parent, ScreenWindow& window);

    void Synchronize() override { ApplyState(); }

protected:
    void ApplyText() override;
    void ApplyState() override;

private:
    TRadioButton& Radio() const;
    QRadioButton& View() const;
};
