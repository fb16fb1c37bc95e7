#pragma once
// Makes the Qt widget that shows a platform control, binds the two, and does the same for every
// control inside it, so a whole form comes up in one call. Each kind of control gets its own
// widget: a grid its table view, an edit a line edit, a page control its tabs and pages, and
// so on; a control of a kind the client does not know shows as an empty area of its bounds.
class QWidget;
class ScreenWindow;
class TControl;

namespace WidgetFactory {

// The widget made for `control` inside `parent` (which shows the control's parent).
QWidget* Create(TControl& control, QWidget& parent, ScreenWindow& window);

}  // namespace WidgetFactory
