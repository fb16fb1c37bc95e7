#pragma once
// Paints the cells of a DBGridWidget through the platform grid (TDBGrid::PaintCell): the grid's
// default drawing, then the column's OnDrawColumnCell, on a QtCanvas over the view's painter,
// with the grid's own cell state (selected, focused). Qt's selection and focus looks are not
// used; the grid lines are drawn here, in the platform grid's silver, as its options ask.
//
// A cell handler failing while painting is reported once the paint is over, as any other
// failure of a user action is: a message box cannot open in the middle of a paint.
#include <QAbstractItemDelegate>

#include <string>

class TDBGrid;

class DBGridDelegate : public QAbstractItemDelegate {
public:
    explicit DBGridDelegate(TDBGrid& grid, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void PaintLines(QPainter& painter, const QRect& section) const;
    void ReportLater(const std::string& message) const;

    TDBGrid& grid_;
    mutable bool reportPending_ = false;
};
