#include "QtLookupDialog.h"

#include "TDataSet.h"
#include "TField.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The rows as the list shows them, each remembering its display row in the dataset.
void Fill(QTableWidget& table, const LookupRequest& request) {
    std::vector<TField*> columns = request.Columns();
    TDataSet& dataSet = *request.DataSet;
    table.setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (TField* field : columns) titles << QString::fromStdString(field->DisplayLabel());
    table.setHorizontalHeaderLabels(titles);
    table.setRowCount(dataSet.DisplayRowCount());
    for (int row = 0; row < dataSet.DisplayRowCount(); ++row) {
        TDataSet::RowScope scope(dataSet, row);
        for (size_t col = 0; col < columns.size(); ++col) {
            auto* item = new QTableWidgetItem(QString::fromStdString(columns[col]->DisplayText()));
            item->setData(Qt::UserRole, row);
            table.setItem(row, static_cast<int>(col), item);
        }
    }
}

// The search box hands the keys that move through a list to the list, so that the user can type
// and pick without leaving the box.
class SearchBox : public QLineEdit {
public:
    SearchBox(QTableWidget& table, QWidget* parent) : QLineEdit(parent), table_(table) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: QCoreApplication::sendEvent(&table_, event); return;
        default: QLineEdit::keyPressEvent(event);
        }
    }

private:
    QTableWidget& table_;
};

// The row whose first column shows `value`, else the first row.
int RowShowing(const QTableWidget& table, const std::string& value) {
    const QString wanted = QString::fromStdString(value).trimmed();
    for (int row = 0; !wanted.isEmpty() && row < table.rowCount(); ++row)
        if (table.item(row, 0) && table.item(row, 0)->text().trimmed() == wanted) return row;
    return 0;
}

// Hides the rows without `text` in any column; the first row left becomes current.
void Search(QTableWidget& table, const QString& text) {
    int first = -1;
    for (int row = 0; row < table.rowCount(); ++row) {
        bool found = text.isEmpty();
        for (int col = 0; !found && col < table.columnCount(); ++col)
            found = table.item(row, col)->text().contains(text, Qt::CaseInsensitive);
        table.setRowHidden(row, !found);
        if (found && first < 0) first = row;
    }
    if (first >= 0) table.setCurrentCell(first, 0);
}

}  // namespace

int QtLookupDialog::Choose(const LookupRequest& request) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(QString::fromStdString(request.Title));
    dialog.resize(480, 360);
    auto* layout = new QVBoxLayout(&dialog);
    auto* table = new QTableWidget(&dialog);
    auto* search = new SearchBox(*table, &dialog);
    search->setPlaceholderText("Pesquisar");
    search->setVisible(request.Searchable);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText("Cancelar");  // the host speaks Portuguese
    layout->addWidget(search);
    layout->addWidget(table);
    layout->addWidget(buttons);
    Fill(*table, request);
    if (table->rowCount() > 0) table->setCurrentCell(RowShowing(*table, request.Current), 0);

    QObject::connect(search, &QLineEdit::textChanged, table, [table](const QString& text) { Search(*table, text); });
    QObject::connect(search, &QLineEdit::returnPressed, &dialog, &QDialog::accept);
    QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    (request.Searchable ? static_cast<QWidget*>(search) : table)->setFocus();

    if (dialog.exec() != QDialog::Accepted) return -1;
    QTableWidgetItem* current = table->currentItem();
    if (!current || table->isRowHidden(current->row())) return -1;
    return current->data(Qt::UserRole).toInt();
}
