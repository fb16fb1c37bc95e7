#include "RadioBinding.h"

#include "TApplication.h"
#include "TRadioButton.h"

#include <QRadioButton>

RadioBinding::RadioBinding(TRadioButton& radio, QWidget& parent, ScreenWindow& window)
    : ControlBinding(radio, *new QRadioButton(&parent), window) {
    View().setAutoExclusive(false);
    QObject::connect(&View(), &QRadioButton::clicked, this, [this] {
        if (TControl* control = Control()) Gesture([control] { Application->Click(*control); });
        if (Control()) ApplyState();
    });
}

TRadioButton& RadioBinding::Radio() const { return static_cast<TRadioButton&>(*Control()); }
QRadioButton& RadioBinding::View() const { return static_cast<QRadioButton&>(*Widget()); }

void RadioBinding::ApplyText() { View().setText(QString::fromStdString(Radio().Caption())); }

void RadioBinding::ApplyState() {
    if (Control()) View().setChecked(Radio().Checked());
}
