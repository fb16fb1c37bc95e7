#pragma once
// A platform label (TLabel) as a QLabel: its caption as plain text, its alignment and word wrap,
// its font colour, and no background of its own when transparent. A label that sizes itself
// (AutoSize) widens to its caption, as the platform's does.
#include "ControlBinding.h"

class QLabel;
class TLabel;

class LabelBinding : public ControlBinding {
public:
    LabelBinding(TLabel& label, QWidget& parent, ScreenWindow& window);

    void ControlChanged(TControl& control, TControlChange change) override;

protected:
    void ApplyText() override;
    void ApplyColours() override;
    void ApplyState() override;

private:
    TLabel& Label() const;
    QLabel& View() const;
    // A label that sizes itself is as wide as its caption in its font, its left edge kept.
    void FitCaption();
};
