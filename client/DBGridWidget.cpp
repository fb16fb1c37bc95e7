#include "DBGridWidget.h"

#include "DBGridDelegate.h"
#include "DBGridEditor.h"
#include "DBGridHeader.h"
#include "DBGridModel.h"
#include "KeyRouting.h"
#include "QtCanvas.h"

#include "TApplication.h"
#include "TDBGrid.h"
#include "TDataSet.h"
#include "TInplaceEdit.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

// The platform grid's indicator column, without its line.
constexpr int kIndicatorWidth = 11;

} // namespace

DBGridWidget::DBGridWidget(TDBGrid& grid, QWidget* parent)
    : QTableView(parent),
      grid_(&grid),
      inplace_(grid.InplaceEditor()),
      model_(new DBGridModel(grid, this)),
      delegate_(new DBGridDelegate(grid, this)),
      editor_(new DBGridEditor(viewport())) {
    setHorizontalHeader(new DBGridHeader(grid, this));
    setModel(model_);
    setItemDelegate(delegate_);
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DBGridWidget::TitleClicked);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &DBGridWidget::SectionResized);

    editor_->hide();
    editor_->OnKey = [this](QKeyEvent* event) { keyPressEvent(event); };
    editor_->OnButtonClick = [this] {
        TDBGrid* target = grid_;
        QPointer<DBGridWidget> self(this);
        if (target) Application->Perform([target] { target->ClickEditButton(); });
        if (self) Synchronize();
    };
    editor_->OnDoubleClick = [this] { DoubleClickCell(currentIndex()); };
    editor_->OnSelect = [this](int start, int length) {
        if (!inplace_) return;
        inplace_->SetSelStart(start);
        inplace_->SetSelLength(length);
    };
    editor_->OnUserFocus = [this] {
        if (inplace_ && !inplace_->Focused()) Application->Focus(*inplace_);
        ScheduleSynchronize();
    };

    grid.SetObserver(this);
    inplace_->SetObserver(this);
    Synchronize();
}

DBGridWidget::~DBGridWidget() {
    if (inplace_ && inplace_->Observer() == this) inplace_->SetObserver(nullptr);
    if (grid_ && grid_->Observer() == this) grid_->SetObserver(nullptr);
}

// ---- following the platform grid

void DBGridWidget::ControlChanged(TControl&, TControlChange change) {
    if (change == TControlChange::Update)
        Synchronize();
    else
        ScheduleSynchronize();
}

void DBGridWidget::ControlDestroyed(TControl& control) {
    if (&control == inplace_) inplace_ = nullptr;
    if (&control != grid_) return;
    grid_ = nullptr;
    // The model and the painter read the grid: nothing may reach them any more.
    setModel(nullptr);
    editor_->hide();
    hide();
}

void DBGridWidget::ScheduleSynchronize() {
    if (synchronizePending_) return;
    synchronizePending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (synchronizePending_) Synchronize();
    });
}

void DBGridWidget::Synchronize() {
    synchronizePending_ = false;
    if (!grid_) return;
    ApplyBounds();
    model_->Refresh();
    ApplyLayout();
    FollowCurrentCell();
    SynchronizeEditor();
    FollowFocus();
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void DBGridWidget::ApplyBounds() {
    setGeometry(grid_->Left(), grid_->Top(), grid_->Width(), grid_->Height());
    setVisible(grid_->Visible());
    setEnabled(grid_->Enabled());
}

void DBGridWidget::ApplyLayout() {
    applyingLayout_ = true;
    TDBGridOptions options = grid_->Options();
    int colLine = options.Contains(dgColLines) ? 1 : 0;
    int rowLine = options.Contains(dgRowLines) ? 1 : 0;
    horizontalHeader()->setVisible(options.Contains(dgTitles));
    horizontalHeader()->setFixedHeight(grid_->DefaultRowHeight + rowLine);
    horizontalHeader()->setSectionResizeMode(options.Contains(dgColumnResize) ? QHeaderView::Interactive
                                                                               : QHeaderView::Fixed);
    verticalHeader()->setVisible(options.Contains(dgIndicator));
    verticalHeader()->setFixedWidth(kIndicatorWidth + colLine);
    verticalHeader()->setDefaultSectionSize(grid_->DefaultRowHeight + rowLine);
    // The model keeps its last shape while the dataset's controls are disabled.
    int columns = std::min(model_->columnCount(), grid_->Columns().Count());
    for (int i = 0; i < columns; ++i) {
        TColumn* column = grid_->Columns()[i];
        setColumnHidden(i, !column->Visible());
        if (columnWidth(i) != column->Width() + colLine) setColumnWidth(i, column->Width() + colLine);
    }
    QColor background = QtCanvas::QtColor(grid_->Color());
    if (palette().color(QPalette::Base) != background) {
        QPalette colours = palette();
        colours.setColor(QPalette::Base, background);
        setPalette(colours);
    }
    applyingLayout_ = false;
}

void DBGridWidget::FollowCurrentCell() {
    if (!model_->Readable()) return;
    int row = grid_->DataSet()->CurrentDisplayRow();
    int column = grid_->SelectedIndex();
    if (row < 0 || column < 0 || row >= model_->rowCount() || column >= model_->columnCount()) return;
    // A new current index scrolls it into view; the same one leaves the user's scrolling alone.
    selectionModel()->setCurrentIndex(model_->index(row, column), QItemSelectionModel::NoUpdate);
}

QRect DBGridWidget::CellArea(const QModelIndex& index) const {
    TDBGridOptions options = grid_->Options();
    return visualRect(index).adjusted(0, 0, options.Contains(dgColLines) ? -1 : 0, options.Contains(dgRowLines) ? -1 : 0);
}

void DBGridWidget::SynchronizeEditor() {
    QModelIndex current = currentIndex();
    if (!inplace_ || !inplace_->Visible() || !model_->Readable() || !current.isValid()) {
        editor_->hide();
        return;
    }
    TColumn* column = grid_->Columns()[grid_->SelectedIndex()];
    if (editor_->isHidden() || editor_->geometry() != CellArea(current)) editor_->ArrivedAtCell();
    editor_->setGeometry(CellArea(current));
    editor_->setFont(QtCanvas::QtFont(column->Font()));
    QPalette colours = editor_->palette();
    colours.setColor(QPalette::Base, QtCanvas::QtColor(column->Color()));
    colours.setColor(QPalette::Text, QtCanvas::QtColor(column->Font().Color));
    editor_->setPalette(colours);
    QString text = QString::fromStdString(inplace_->Text());
    if (editor_->text() != text) editor_->setText(text);
    editor_->setSelection(inplace_->SelStart(), inplace_->SelLength());
    editor_->SetButtonShown(column->ButtonStyle() == cbsEllipsis);
    editor_->show();
}

// The Qt focus goes where the platform put it: the grid or its editor.
void DBGridWidget::FollowFocus() {
    if (inplace_ && inplace_->Focused() && editor_->isVisible()) {
        if (!editor_->hasFocus()) editor_->setFocus();
    } else if (grid_->Focused() && !hasFocus()) {
        setFocus();
    }
}

int DBGridWidget::GridRow(int displayRow) const { return displayRow - grid_->TopRow(); }

// ---- the user's gestures, handed to the platform grid

bool DBGridWidget::event(QEvent* event) {
    // The screen's keys run through the platform's key handling, not the window's shortcuts;
    // Alt combinations stay the menu's.
    if (KeyRouting::ClaimsShortcut(event)) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

// Tab and Shift+Tab are the grid's keys (next cell, or the next control), not Qt's focus chain.
bool DBGridWidget::focusNextPrevChild(bool) { return false; }

void DBGridWidget::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (!grid_) return;
    QPointer<DBGridWidget> self(this);
    KeyRouting::RouteKey(*event);
    if (self) Synchronize();
}

void DBGridWidget::mousePressEvent(QMouseEvent* event) {
    if (!grid_ || event->button() != Qt::LeftButton) return;
    QModelIndex index = indexAt(event->position().toPoint());
    TDBGrid* grid = grid_;
    QPointer<DBGridWidget> self(this);
    if (index.isValid()) {
        int row = GridRow(index.row());
        Application->Perform([grid, index, row] { grid->ClickCell(index.column(), row); });
    } else {
        Application->Focus(*grid);
    }
    if (self) Synchronize();
}

void DBGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) DoubleClickCell(indexAt(event->position().toPoint()));
}

void DBGridWidget::DoubleClickCell(const QModelIndex& index) {
    if (!grid_ || !index.isValid()) return;
    TDBGrid* grid = grid_;
    int row = GridRow(index.row());
    QPointer<DBGridWidget> self(this);
    Application->Perform([grid, index, row] { grid->DblClickCell(index.column(), row); });
    if (self) Synchronize();
}

// Dragging selects nothing: the platform grid has one current cell.
void DBGridWidget::mouseMoveEvent(QMouseEvent*) {}

void DBGridWidget::mouseReleaseEvent(QMouseEvent*) {}

void DBGridWidget::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    // A mouse press hands the focus over itself, with the click.
    if (!grid_ || !KeyRouting::RoutedFocusReason(event->reason())) return;
    if (!grid_->Focused() && !(inplace_ && inplace_->Focused())) Application->Focus(*grid_);
    ScheduleSynchronize();
}

void DBGridWidget::TitleClicked(int section) {
    TDBGrid* grid = grid_;
    if (!grid) return;
    QPointer<DBGridWidget> self(this);
    Application->Perform([grid, section] { grid->ClickTitle(section); });
    if (self) Synchronize();
}

void DBGridWidget::SectionResized(int section, int, int newSize) {
    if (applyingLayout_ || !grid_ || section >= grid_->Columns().Count()) return;
    int colLine = grid_->Options().Contains(dgColLines) ? 1 : 0;
    grid_->Columns()[section]->SetWidth(newSize - colLine);
}
