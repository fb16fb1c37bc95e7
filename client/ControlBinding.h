#pragma once
// One platform control shown by one Qt widget, kept in step both ways. The binding observes the
// control and mirrors on the widget what every control shares (bounds at 96 dpi, visibility,
// enabled state, colour, font, hint, caption or text); each kind of control adds what is its
// own. The user's gestures on the widget go back to the platform through Application (keys to
// the form's key routing, a press to the focus model, a click to the control), so the screen's
// handlers decide; the screen window then brings its widgets and the Qt focus in line with what
// they did.
//
// The binding is a child of its widget and dies with it. When the control goes first, the
// widget is hidden and deleted once the current event is over.
#include "TControl.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class ScreenWindow;
class TWinControl;

class ControlBinding : public QObject, public TControlObserver {
public:
    ControlBinding(TControl& control, QWidget& widget, ScreenWindow& window);
    ~ControlBinding() override;

    // nullptr once the platform control is gone.
    TControl* Control() const { return control_; }
    QWidget* Widget() const { return widget_; }

    // Mirrors every property; the factory calls it once the binding is complete.
    void ApplyAll();
    // Brings what the platform changes without telling (an edit's selection, say) in line; the
    // window calls it after every gesture.
    virtual void Synchronize() {}
    // The widget the widgets of the control's children go into.
    virtual QWidget* ChildArea(TControl& /*child*/) { return Widget(); }

    void ControlChanged(TControl& control, TControlChange change) override;
    void ControlDestroyed(TControl& control) override;

protected:
    // The control's caption or text shown on the widget.
    virtual void ApplyText() {}
    // Background and text colours; by default the window colours of a widget that fills its
    // background.
    virtual void ApplyColours();
    // A property of the control's own kind changed (Checked, ActivePage, ReadOnly, a picture).
    virtual void ApplyState() {}
    // A left press on the widget; true when the press is taken (Qt must not see it). By default
    // a control that takes the focus on click gets it, and Qt sees the press only if it did.
    virtual bool Press();

    // `enabled` for `role` while the control is enabled, `disabled` once it is not: a disabled
    // control looks disabled whatever colours the screen gave it.
    static void SetColours(QPalette& colours, QPalette::ColorRole role, const QColor& enabled, const QColor& disabled);

    // Runs a user gesture (a dispatched platform action), then lets the window catch up.
    void Gesture(const std::function<void()>& action);
    // The control as one that takes the focus, or nullptr.
    TWinControl* WinControl() const;
    ScreenWindow& Window() const { return window_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyFont();

    TControl* control_;
    QPointer<QWidget> widget_;
    ScreenWindow& window_;
};
