#include "LabelBinding.h"

#include "QtCanvas.h"

#include "TLabel.h"

#include <QLabel>

#include <algorithm>

LabelBinding::LabelBinding(TLabel& label, QWidget& parent, ScreenWindow& window)
    : ControlBinding(label, *new QLabel(&parent), window) {
    View().setTextFormat(Qt::PlainText);
    View().setMargin(0);
    View().setIndent(0);
}

TLabel& LabelBinding::Label() const { return static_cast<TLabel&>(*Control()); }
QLabel& LabelBinding::View() const { return static_cast<QLabel&>(*Widget()); }

void LabelBinding::ControlChanged(TControl& control, TControlChange change) {
    ControlBinding::ControlChanged(control, change);
    if (change == TControlChange::Bounds || change == TControlChange::Font) FitCaption();
}

void LabelBinding::ApplyText() {
    View().setText(QString::fromStdString(Label().Caption()));
    FitCaption();
}

void LabelBinding::FitCaption() {
    if (!Control() || !Label().AutoSize || Label().WordWrap) return;
    View().resize(std::max(Label().Width(), View().sizeHint().width()), View().height());
}

void LabelBinding::ApplyColours() {
    ControlBinding::ApplyColours();
    View().setAutoFillBackground(!Label().Transparent);
}

void LabelBinding::ApplyState() {
    View().setAlignment(QtCanvas::QtAlignment(Label().Alignment) | Qt::AlignTop);
    View().setWordWrap(Label().WordWrap);
}
