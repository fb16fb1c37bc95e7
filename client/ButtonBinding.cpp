#include "ButtonBinding.h"

#include "QtCanvas.h"

#include "TApplication.h"
#include "TSpeedButton.h"

#include <QToolButton>

ButtonBinding::ButtonBinding(TSpeedButton& button, QWidget& parent, ScreenWindow& window)
    : ControlBinding(button, *new QToolButton(&parent), window) {
    QObject::connect(&View(), &QToolButton::clicked, this, [this] {
        if (TControl* control = Control()) Gesture([control] { Application->Click(*control); });
    });
}

TSpeedButton& ButtonBinding::Button() const { return static_cast<TSpeedButton&>(*Control()); }
QToolButton& ButtonBinding::View() const { return static_cast<QToolButton&>(*Widget()); }

void ButtonBinding::ApplyText() {
    View().setText(QString::fromStdString(Button().Caption()));
    ApplyStyle();
}

void ButtonBinding::ApplyState() {
    const TBitmap& glyph = Button().Glyph();
    View().setIcon(glyph.Empty() ? QIcon() : QIcon(QPixmap::fromImage(QtCanvas::QtImage(glyph))));
    View().setIconSize(QSize(glyph.Width(), glyph.Height()));
    View().setAutoRaise(Button().Flat);
    ApplyStyle();
}

void ButtonBinding::ApplyStyle() {
    bool picture = !Button().Glyph().Empty();
    bool caption = !Button().Caption().empty();
    View().setToolButtonStyle(picture && caption ? Qt::ToolButtonTextBesideIcon
                              : picture          ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextOnly);
}
