#pragma once
// The title row of a DBGridWidget: each title painted by the platform grid (TDBGrid::PaintTitle)
// on a QtCanvas, where and as the grid paints it (caption at its left + 2, centred or at its
// right - 3, in the title's font, on the button face), with a raised edge. The platform grid must
// outlive the sections: the view removes its model before the grid goes.
#include <QHeaderView>

class TDBGrid;

class DBGridHeader : public QHeaderView {
public:
    DBGridHeader(TDBGrid& grid, QWidget* parent);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    TDBGrid& grid_;
};
