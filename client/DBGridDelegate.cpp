#include "DBGridDelegate.h"

#include "QtCanvas.h"

#include "SysUtils.h"
#include "TApplication.h"
#include "TDBGrid.h"

#include <QPainter>
#include <QTimer>

namespace {

// The cell proper: the section less the line the grid draws on its right and bottom.
TRect CellOf(const QRect& section, bool colLines, bool rowLines) {
    return Bounds(section.left(), section.top(), section.width() - (colLines ? 1 : 0),
                  section.height() - (rowLines ? 1 : 0));
}

} // namespace

DBGridDelegate::DBGridDelegate(TDBGrid& grid, QObject* parent) : QAbstractItemDelegate(parent), grid_(grid) {}

void DBGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    TDBGridOptions options = grid_.Options();
    QtCanvas canvas(*painter);
    try {
        grid_.PaintCell(canvas, index.column(), index.row(),
                        CellOf(option.rect, options.Contains(dgColLines), options.Contains(dgRowLines)));
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        ReportLater(e.Message());
    }
    PaintLines(*painter, option.rect);
}

void DBGridDelegate::PaintLines(QPainter& painter, const QRect& section) const {
    painter.save();
    painter.setPen(QtCanvas::QtColor(clSilver));
    if (grid_.Options().Contains(dgColLines)) painter.drawLine(section.topRight(), section.bottomRight());
    if (grid_.Options().Contains(dgRowLines)) painter.drawLine(section.bottomLeft(), section.bottomRight());
    painter.restore();
}

// One report at a time: every cell of a paint may fail alike.
void DBGridDelegate::ReportLater(const std::string& message) const {
    if (reportPending_) return;
    reportPending_ = true;
    QTimer::singleShot(0, this, [this, message] {
        reportPending_ = false;
        Application->Perform([&] { throw Exception(message); });
    });
}

QSize DBGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return option.rect.size();
}
