#pragma once
// A platform form as the window's contents: every control on it shown by a Qt widget (see
// WidgetFactory), the form's caption as the window title, its client area as the widget's size.
// The window can grow (never below the size the form was first shown at): its new size becomes
// the form's client size, and the controls follow their alignment and anchors.
// The platform's focus model decides where the focus is; after every gesture the window brings
// its widgets and the Qt focus in line with it. Keys reaching the window itself (no control
// focused) go to the form's key routing too, and Tab never moves Qt's own focus chain.
//
// Placed in a frame (an MDI sub-window), the window shows and hides the frame with the form, and
// a user closing the frame asks the form to close (which may refuse or free it); when the form
// is gone the frame closes for good.
#include "TControl.h"

#include <QWidget>

#include <map>
#include <vector>

class ControlBinding;
class TForm;

class ScreenWindow : public QWidget, public TControlObserver {
public:
    explicit ScreenWindow(TForm& form, QWidget* parent = nullptr);
    ~ScreenWindow() override;

    // nullptr once the form is gone.
    TForm* Form() const { return form_; }
    // The widget showing a control (nullptr for one without: a grid's in-place editor, say).
    QWidget* WidgetOf(const TControl* control) const;

    // Call once the window sits in its frame (or stands alone): follows the form's bounds and
    // visibility, and routes the frame's close button to the form.
    void AttachFrame();

    // For the factory and the bindings.
    void Register(const TControl& control, QWidget& widget, ControlBinding* binding);
    void Forget(ControlBinding* binding);

    // After a gesture: every binding catches up, then the Qt focus goes where the platform's is.
    void Synchronize();
    // The same focus follow once the current event is over (focus notifications arrive midway).
    void ScheduleFollowFocus();

    void ControlChanged(TControl& control, TControlChange change) override;
    void ControlDestroyed(TControl& control) override;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* Frame();
    void HideFrame();
    // Takes the Qt focus out of the frame before Qt moves it along its own chain.
    void LetGoOfFocus();
    void FollowFocus();
    void FollowBounds();
    void FollowWindowState();

    TForm* form_;
    std::map<const TControl*, QWidget*> widgets_;
    std::vector<ControlBinding*> bindings_;
    bool followPending_ = false;
    bool resizing_ = false;  // the user's resizing reaches the form: the window already has the size
};
