#pragma once
// A platform speed button (TSpeedButton, the lookup button TBtnPesquisa) as a QToolButton: its
// glyph and caption, flat when the button is. It never takes the focus; a click is the
// platform button's click (Application), which a disabled button ignores.
#include "ControlBinding.h"

class QToolButton;
class TSpeedButton;

class ButtonBinding : public ControlBinding {
public:
    ButtonBinding(TSpeedButton& button, QWidget& parent, ScreenWindow& window);

protected:
    void ApplyText() override;
    void ApplyState() override;
    bool Press() override { return false; }

private:
    TSpeedButton& Button() const;
    QToolButton& View() const;
    void ApplyStyle();
};
