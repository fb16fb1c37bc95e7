#pragma once
// The rows and columns of a TDBGrid as Qt's item views see them: one row per display row of the
// grid's dataset (an unposted insert included, in its place), one column per grid column
// (hidden ones too: the view hides them). Values are read through the dataset's read-only row
// scope, never by moving the cursor.
//
// The shape is taken only when the grid says its data changed (Refresh), never while the
// dataset's controls are disabled, so a view never reads a dataset halfway through a batch.
#include <QAbstractTableModel>

class TDBGrid;

class DBGridModel : public QAbstractTableModel {
public:
    explicit DBGridModel(TDBGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Display text of the field (as the grid paints it by default) and the column's alignment.
    QVariant data(const QModelIndex& index, int role) const override;
    // Columns: the title's caption, font and alignment. Rows: the indicator's mark of the
    // current row (">" browsing, "I" editing, "*" inserting).
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Takes the grid's shape again and tells the views that everything may have changed.
    void Refresh();
    // The dataset can be read now: open, and its controls not disabled.
    bool Readable() const;

private:
    int CountRows() const;

    TDBGrid& grid_;
    int rows_ = 0;
    int columns_ = 0;
};
