#include "ControlBinding.h"

#include "KeyRouting.h"
#include "QtCanvas.h"
#include "ScreenWindow.h"

#include "TApplication.h"
#include "TWinControl.h"

#include <QMouseEvent>

ControlBinding::ControlBinding(TControl& control, QWidget& widget, ScreenWindow& window)
    : QObject(&widget), control_(&control), widget_(&widget), window_(window) {
    control.SetObserver(this);
    widget.installEventFilter(this);
    // Typing is the platform's: an input method composing text in the widget would bypass it.
    widget.setAttribute(Qt::WA_InputMethodEnabled, false);
    widget.setContextMenuPolicy(Qt::NoContextMenu);
    // Tab order is the platform's; the window hands the Qt focus to the control that holds it.
    widget.setFocusPolicy(WinControl() ? Qt::ClickFocus : Qt::NoFocus);
}

ControlBinding::~ControlBinding() {
    if (control_ && control_->Observer() == this) control_->SetObserver(nullptr);
}

TWinControl* ControlBinding::WinControl() const { return dynamic_cast<TWinControl*>(control_); }

void ControlBinding::ApplyAll() {
    for (TControlChange change : {TControlChange::Bounds, TControlChange::Font, TControlChange::Color,
                                  TControlChange::Text, TControlChange::Hint, TControlChange::State,
                                  TControlChange::Enabled, TControlChange::Visible})
        ControlChanged(*control_, change);
}

void ControlBinding::ControlChanged(TControl& control, TControlChange change) {
    if (!widget_) return;
    switch (change) {
    case TControlChange::Parent: return;  // screens are built once; a move between parents is not followed
    case TControlChange::Bounds:
        widget_->setGeometry(control.Left(), control.Top(), control.Width(), control.Height());
        return;
    case TControlChange::Text: return ApplyText();
    case TControlChange::Visible: return widget_->setVisible(control.Visible());
    case TControlChange::Enabled: return widget_->setEnabled(control.Enabled());
    case TControlChange::Color: return ApplyColours();
    case TControlChange::Font:
        ApplyFont();
        return ApplyColours();
    case TControlChange::Hint:
        widget_->setToolTip(control.ShowHint ? QString::fromStdString(control.Hint()) : QString());
        return;
    case TControlChange::Focus: return window_.ScheduleFollowFocus();
    case TControlChange::State: return ApplyState();
    case TControlChange::Invalidate: return widget_->update();
    case TControlChange::Update: return widget_->repaint();
    }
}

void ControlBinding::ControlDestroyed(TControl&) {
    control_ = nullptr;
    window_.Forget(this);
    if (!widget_) return;
    widget_->hide();
    widget_->deleteLater();
}

void ControlBinding::ApplyFont() { widget_->setFont(QtCanvas::QtFont(control_->Font())); }

void ControlBinding::ApplyColours() {
    // Buttons (radio buttons among them) fill with the button role, the rest with the window's.
    QPalette colours = widget_->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        colours.setColor(role, QtCanvas::QtColor(control_->Color()));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        SetColours(colours, role, QtCanvas::QtColor(control_->Font().Color), QtCanvas::QtColor(clGrayText));
    widget_->setPalette(colours);
    widget_->setAutoFillBackground(true);
}

void ControlBinding::SetColours(QPalette& colours, QPalette::ColorRole role, const QColor& enabled,
                                const QColor& disabled) {
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) colours.setColor(group, role, enabled);
    colours.setColor(QPalette::Disabled, role, disabled);
}

void ControlBinding::Gesture(const std::function<void()>& action) {
    QPointer<ScreenWindow> window(&window_);
    action();
    if (window) window->Synchronize();
}

bool ControlBinding::Press() {
    TWinControl* control = WinControl();
    if (!control || !control->TakesFocusOnClick()) return false;
    // A click on a control that cannot take the focus (disabled, on a hidden page) does nothing.
    if (!control->CanFocus()) return true;
    Gesture([control] { Application->Focus(*control); });
    return !control_ || !control->Focused();
}

bool ControlBinding::eventFilter(QObject*, QEvent* event) {
    // Between its form's end and its own the control cannot be asked anything.
    if (!control_ || !window_.Form()) return false;
    TWinControl* control = WinControl();
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (!control || !KeyRouting::ClaimsShortcut(event)) return false;
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (!control) return false;
        Gesture([event] { KeyRouting::RouteKey(*static_cast<QKeyEvent*>(event)); });
        return true;
    case QEvent::KeyRelease: return control != nullptr;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Other buttons would paste or drag text past the platform.
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return control != nullptr;
        return Press();
    case QEvent::FocusIn:
        // Qt moves its focus on its own (a window activated, a dialog closed); the platform's
        // focus stays where the screen put it, and the Qt focus goes back there.
        if (control && !control->Focused()) window_.ScheduleFollowFocus();
        return false;
    default: return false;
    }
}
