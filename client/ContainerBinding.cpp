#include "ContainerBinding.h"

#include "TGroupBox.h"
#include "TPanel.h"
#include "TTabSheet.h"

#include <QGroupBox>
#include <QLabel>

ContainerBinding::ContainerBinding(Kind kind, TControl& control, QWidget& widget, ScreenWindow& window)
    : ControlBinding(control, widget, window), kind_(kind) {}

// A label is a frame that centres its text and can hold children: all a panel is.
ContainerBinding* ContainerBinding::Panel(TPanel& panel, QWidget& parent, ScreenWindow& window) {
    auto* frame = new QLabel(&parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(1);
    frame->setTextFormat(Qt::PlainText);
    frame->setAlignment(Qt::AlignCenter);
    return new ContainerBinding(Kind::Panel, panel, *frame, window);
}

ContainerBinding* ContainerBinding::GroupBox(TGroupBox& group, QWidget& parent, ScreenWindow& window) {
    return new ContainerBinding(Kind::GroupBox, group, *new QGroupBox(&parent), window);
}

ContainerBinding* ContainerBinding::Page(TTabSheet& page, QWidget& parent, ScreenWindow& window) {
    return new ContainerBinding(Kind::Page, page, *new QWidget(&parent), window);
}

ContainerBinding* ContainerBinding::Plain(TControl& control, QWidget& parent, ScreenWindow& window) {
    return new ContainerBinding(Kind::Plain, control, *new QWidget(&parent), window);
}

void ContainerBinding::ControlChanged(TControl& control, TControlChange change) {
    if (kind_ == Kind::Page && change == TControlChange::Bounds && Widget() && Widget()->parentWidget()) {
        Widget()->setGeometry(Widget()->parentWidget()->rect());
        return;
    }
    ControlBinding::ControlChanged(control, change);
}

void ContainerBinding::ApplyText() {
    QString caption = QString::fromStdString(Control()->Caption());
    if (kind_ == Kind::Panel) static_cast<QLabel*>(Widget())->setText(caption);
    if (kind_ == Kind::GroupBox) static_cast<QGroupBox*>(Widget())->setTitle(caption);
}
