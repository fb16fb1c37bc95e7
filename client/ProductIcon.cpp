#include "ProductIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Drawn on a 32 x 32 grid, scaled to `size`.
QPixmap Picture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x7d, 0x32));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 16), 9, 9);
    painter.setBrush(QColor(0xc8, 0xe6, 0xc9));
    painter.drawEllipse(QPointF(16, 16), 5.5, 5.5);
    painter.setBrush(Qt::white);
    for (double tine : {3.2, 4.7, 6.2}) painter.drawRect(QRectF(tine, 5, 0.9, 6));  // the fork
    painter.drawRect(QRectF(3.2, 10, 3.9, 2));
    painter.drawRoundedRect(QRectF(4.4, 11, 1.6, 16), 0.8, 0.8);
    painter.drawRoundedRect(QRectF(26, 5, 2.6, 12), 1.3, 1.3);  // the knife
    painter.drawRoundedRect(QRectF(26.4, 16, 1.8, 11), 0.9, 0.9);
    return picture;
}

}  // namespace

QIcon ProductIcon::Icon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(Picture(size));
    return icon;
}
