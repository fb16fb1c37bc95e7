#include "ScreenWindow.h"

#include "ControlBinding.h"
#include "KeyRouting.h"
#include "ProductIcon.h"
#include "QtCanvas.h"
#include "WidgetFactory.h"

#include "TApplication.h"
#include "TForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>

namespace {

TWindowState WindowStateOf(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return wsMinimized;
    if (states & Qt::WindowMaximized) return wsMaximized;
    return wsNormal;
}

}  // namespace

ScreenWindow::ScreenWindow(TForm& form, QWidget* parent) : QWidget(parent), form_(&form) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::ClickFocus);
    setWindowIcon(ProductIcon::Icon());  // the frame shows its contents' icon
    form.SetObserver(this);
    for (TControl* child : form.Controls()) WidgetFactory::Create(*child, *this, *this);
    ControlChanged(form, TControlChange::Text);
    ControlChanged(form, TControlChange::Color);
    setMinimumSize(sizeHint());
    FollowBounds();
}

ScreenWindow::~ScreenWindow() {
    if (form_ && form_->Observer() == this) form_->SetObserver(nullptr);
}

QWidget* ScreenWindow::WidgetOf(const TControl* control) const {
    auto found = widgets_.find(control);
    return found == widgets_.end() ? nullptr : found->second;
}

void ScreenWindow::Register(const TControl& control, QWidget& widget, ControlBinding* binding) {
    widgets_[&control] = &widget;
    if (binding) bindings_.push_back(binding);
}

void ScreenWindow::Forget(ControlBinding* binding) {
    bindings_.erase(std::remove(bindings_.begin(), bindings_.end(), binding), bindings_.end());
    for (auto it = widgets_.begin(); it != widgets_.end();)
        it = it->second == binding->Widget() ? widgets_.erase(it) : std::next(it);
}

QWidget* ScreenWindow::Frame() { return parentWidget() ? parentWidget() : this; }

void ScreenWindow::AttachFrame() {
    if (Frame() != this) Frame()->installEventFilter(this);
    FollowBounds();
    ControlChanged(*form_, TControlChange::Visible);
}

QSize ScreenWindow::sizeHint() const {
    return form_ ? QSize(form_->ClientWidth(), form_->ClientHeight()) : QWidget::sizeHint();
}

void ScreenWindow::FollowBounds() {
    if (!form_ || resizing_) return;
    if (Frame() == this) return resize(sizeHint());
    if (Frame()->isMaximized()) return;
    Frame()->adjustSize();
    Frame()->move(form_->Left(), form_->Top());
}

void ScreenWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!form_ || event->size() == sizeHint()) return;
    resizing_ = true;
    form_->SetClientSize(event->size().width(), event->size().height());
    resizing_ = false;
}

void ScreenWindow::Synchronize() {
    // A binding may go while catching up (its control freed by the gesture).
    std::vector<ControlBinding*> bindings = bindings_;
    for (ControlBinding* binding : bindings)
        if (std::find(bindings_.begin(), bindings_.end(), binding) != bindings_.end()) binding->Synchronize();
    FollowFocus();
}

void ScreenWindow::ScheduleFollowFocus() {
    if (followPending_) return;
    followPending_ = true;
    QTimer::singleShot(0, this, [this] { FollowFocus(); });
}

void ScreenWindow::FollowFocus() {
    followPending_ = false;
    if (!form_ || !form_->Active()) return;
    TWinControl* active = form_->ActiveControl();
    // A grid's in-place editor has no widget of its own: the grid's view places the focus there.
    QWidget* target = active ? WidgetOf(active) : this;
    if (!target || !target->isVisible()) return;
    if (!target->hasFocus()) target->setFocus(Qt::OtherFocusReason);
    // The focus moves by the platform's keys, never Qt's Tab: Qt would draw no focus ring.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
}

void ScreenWindow::ControlChanged(TControl& control, TControlChange change) {
    switch (change) {
    case TControlChange::Text: setWindowTitle(QString::fromStdString(control.Caption())); return;
    case TControlChange::Bounds: return FollowBounds();
    case TControlChange::Visible:
        if (!control.Visible()) return HideFrame();
        Frame()->show();
        return ScheduleFollowFocus();
    case TControlChange::Focus: return ScheduleFollowFocus();
    case TControlChange::State: return FollowWindowState();
    case TControlChange::Color: {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QtCanvas::QtColor(control.Color()));
        setPalette(colours);
        setAutoFillBackground(true);
        return;
    }
    default: return;
    }
}

// The screen restores its window when opened again from the menu: the frame takes the state the
// form is given, and the form always knows the state the user gave the frame.
void ScreenWindow::FollowWindowState() {
    QWidget* frame = Frame();
    if (!form_ || WindowStateOf(frame->windowState()) == form_->WindowState()) return;
    switch (form_->WindowState()) {
    case wsNormal: return frame->showNormal();
    case wsMinimized: return frame->showMinimized();
    case wsMaximized: return frame->showMaximized();
    }
}

void ScreenWindow::ControlDestroyed(TControl&) {
    form_ = nullptr;
    HideFrame();
    Frame()->deleteLater();
}

// Hiding a frame that holds the Qt focus makes Qt hand the focus to the next widget inside it,
// which would take it to the platform as a user's focus move: on a form going away, or one the
// screen just hid. The focus leaves first, so nothing moves.
void ScreenWindow::HideFrame() {
    LetGoOfFocus();
    Frame()->hide();
}

void ScreenWindow::LetGoOfFocus() {
    QWidget* focused = QApplication::focusWidget();
    if (focused && (focused == Frame() || Frame()->isAncestorOf(focused))) focused->clearFocus();
}

bool ScreenWindow::event(QEvent* event) {
    if (KeyRouting::ClaimsShortcut(event)) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (!form_) return;
    QPointer<ScreenWindow> self(this);
    KeyRouting::RouteKey(*event);
    if (self) Synchronize();
}

// Tab and Shift+Tab move the platform's focus, through the form's key routing.
bool ScreenWindow::focusNextPrevChild(bool) { return false; }

// The frame's close button asks the form; the frame goes only with the form. Maximised or
// restored, the frame hides itself for a moment (see HideFrame): the focus leaves, and comes back
// to the platform's control once the frame has its new size.
bool ScreenWindow::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && form_) {
        LetGoOfFocus();
        ScheduleFollowFocus();
        form_->SetWindowState(WindowStateOf(Frame()->windowState()));
        return false;
    }
    if (event->type() != QEvent::Close || !form_) return false;
    event->ignore();
    TForm* form = form_;
    QPointer<ScreenWindow> self(this);
    Application->Perform([form] { form->Close(); });
    Application->ProcessMessages();
    if (self) Synchronize();
    return true;
}
