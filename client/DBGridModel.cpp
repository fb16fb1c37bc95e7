#include "DBGridModel.h"

#include "QtCanvas.h"

#include "TDBGrid.h"
#include "TDataSet.h"
#include "TField.h"

namespace {

const char* IndicatorMark(TDataSetState state) {
    switch (state) {
    case dsInsert: return "*";
    case dsEdit: return "I";
    default: return ">";
    }
}

} // namespace

DBGridModel::DBGridModel(TDBGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) { Refresh(); }

int DBGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int DBGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

bool DBGridModel::Readable() const {
    TDataSet* dataSet = grid_.DataSet();
    return dataSet && dataSet->Active() && !dataSet->ControlsDisabled();
}

int DBGridModel::CountRows() const { return Readable() ? grid_.DataSet()->DisplayRowCount() : 0; }

QVariant DBGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= grid_.Columns().Count()) return {};
    TColumn* column = grid_.Columns()[index.column()];
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(QtCanvas::QtAlignment(column->Alignment()) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole || !Readable() || index.row() >= CountRows()) return {};
    TDataSet::RowScope scope(*grid_.DataSet(), index.row());
    TField* field = column->Field();
    return field ? QString::fromStdString(field->DisplayText()) : QString();
}

QVariant DBGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role != Qt::DisplayRole || !Readable() || section != grid_.DataSet()->CurrentDisplayRow()) return {};
        return QString(IndicatorMark(grid_.DataSet()->State()));
    }
    if (section < 0 || section >= grid_.Columns().Count()) return {};
    const TColumnTitle& title = grid_.Columns()[section]->Title();
    switch (role) {
    case Qt::DisplayRole: return QtCanvas::QtText(title.Font(), title.Caption());
    case Qt::FontRole: return QtCanvas::QtFont(title.Font());
    case Qt::ForegroundRole: return QtCanvas::QtColor(title.Font().Color);
    case Qt::TextAlignmentRole: return QVariant::fromValue(QtCanvas::QtAlignment(title.Alignment()) | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags DBGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void DBGridModel::Refresh() {
    if (TDataSet* dataSet = grid_.DataSet(); dataSet && dataSet->ControlsDisabled()) return;
    int rows = CountRows();
    int columns = grid_.Columns().Count();
    if (rows != rows_ || columns != columns_) {
        beginResetModel();
        rows_ = rows;
        columns_ = columns;
        endResetModel();
        return;
    }
    if (rows_ > 0 && columns_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
    if (rows_ > 0) emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}
