#pragma once
// A platform control that only holds others, as a plain Qt widget of its kind: a panel (a raised
// frame with its caption centred), a group box (a titled frame), a page of a page control (it
// fills the page area whatever its own bounds say), or a control of a kind the client has no
// widget for (an empty area of its bounds, so its children still show).
#include "ControlBinding.h"

class TGroupBox;
class TPanel;
class TTabSheet;

class ContainerBinding : public ControlBinding {
public:
    static ContainerBinding* Panel(TPanel& panel, QWidget& parent, ScreenWindow& window);
    static ContainerBinding* GroupBox(TGroupBox& group, QWidget& parent, ScreenWindow& window);
    static ContainerBinding* Page(TTabSheet& page, QWidget& parent, ScreenWindow& window);
    static ContainerBinding* Plain(TControl& control, QWidget& parent, ScreenWindow& window);

    void ControlChanged(TControl& control, TControlChange change) override;

protected:
    void ApplyText() override;

private:
    enum class Kind { Panel, GroupBox, Page, Plain };
    ContainerBinding(Kind kind, TControl& control, QWidget& widget, ScreenWindow& window);

    Kind kind_;
};
