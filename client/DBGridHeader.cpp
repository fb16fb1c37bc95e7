#include "DBGridHeader.h"

#include "QtCanvas.h"

#include "TDBGrid.h"

#include <QPainter>

DBGridHeader::DBGridHeader(TDBGrid& grid, QWidget* parent) : QHeaderView(Qt::Horizontal, parent), grid_(grid) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QtCanvas::QtColor(clBtnFace));
    colours.setColor(QPalette::Button, QtCanvas::QtColor(clBtnFace));
    setPalette(colours);
    setAutoFillBackground(true);
}

void DBGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QtCanvas canvas(*painter);
    TRect title = Bounds(rect.left(), rect.top(), rect.width() - 1, rect.height() - 1);
    if (!grid_.PaintTitle(canvas, logicalIndex, title)) return;
    painter->save();
    painter->setPen(QtCanvas::QtColor(clBtnHighlight));
    painter->drawLine(rect.topLeft(), QPoint(rect.right() - 1, rect.top()));
    painter->drawLine(rect.topLeft(), QPoint(rect.left(), rect.bottom() - 1));
    painter->setPen(QtCanvas::QtColor(clBtnShadow));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->restore();
}
