#include "ImageBinding.h"

#include "QtCanvas.h"

#include "TImage.h"

#include <QLabel>

ImageBinding::ImageBinding(TImage& image, QWidget& parent, ScreenWindow& window)
    : ControlBinding(image, *new QLabel(&parent), window) {}

TImage& ImageBinding::Image() const { return static_cast<TImage&>(*Control()); }
QLabel& ImageBinding::View() const { return static_cast<QLabel&>(*Widget()); }

void ImageBinding::ControlChanged(TControl& control, TControlChange change) {
    if (change == TControlChange::Invalidate || change == TControlChange::Update) ApplyState();
    ControlBinding::ControlChanged(control, change);
}

void ImageBinding::ApplyState() {
    if (!Control()) return;
    View().setPixmap(QPixmap::fromImage(QtCanvas::QtImage(Image().Bitmap())));
    View().setScaledContents(Image().Stretch);
    View().setAlignment(Image().Center ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
}
