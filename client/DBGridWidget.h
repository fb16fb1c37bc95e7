#pragma once
// A platform data grid (TDBGrid) as a Qt table view. The platform grid stays the one that
// decides: the view shows its dataset's rows and its columns (titles, widths at 96 dpi,
// alignment, fonts), paints every cell through it (default drawing and OnDrawColumnCell on a
// QtCanvas), and hands every gesture back to it through Application: keys (PressKey/TypeText),
// cell clicks and double clicks, title clicks, the editor's "..." button, the focus. The current
// row and column, the in-place editor and the focus then follow what the grid did.
//
// The view hears of the grid through the observer of the grid and of its in-place editor; it
// catches up once the platform's action is over (or at once when the grid asks for an
// immediate update), and never reads the dataset while its controls are disabled.
#include "TControl.h"

#include <QTableView>

class DBGridDelegate;
class DBGridEditor;
class DBGridModel;
class TDBGrid;
class TInplaceEdit;

class DBGridWidget : public QTableView, public TControlObserver {
public:
    DBGridWidget(TDBGrid& grid, QWidget* parent);
    ~DBGridWidget() override;

    // nullptr once the platform grid is gone.
    TDBGrid* Grid() const { return grid_; }
    DBGridModel& Model() const { return *model_; }
    DBGridEditor& Editor() const { return *editor_; }

    // Brings the view in line with the grid now (normally done once the current action is over).
    void Synchronize();

    void ControlChanged(TControl& control, TControlChange change) override;
    void ControlDestroyed(TControl& control) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // A Synchronize once the current platform action is over.
    void ScheduleSynchronize();
    void ApplyBounds();
    void ApplyLayout();
    void FollowCurrentCell();
    void SynchronizeEditor();
    void FollowFocus();
    void DoubleClickCell(const QModelIndex& index);
    void TitleClicked(int section);
    void SectionResized(int section, int oldSize, int newSize);
    // The cell rectangle the platform paints in: the section less its grid lines.
    QRect CellArea(const QModelIndex& index) const;
    // Row as the platform grid counts it in gestures: from its top row shown.
    int GridRow(int displayRow) const;

    TDBGrid* grid_;
    TInplaceEdit* inplace_;
    DBGridModel* model_;
    DBGridDelegate* delegate_;
    DBGridEditor* editor_;
    bool synchronizePending_ = false;
    bool applyingLayout_ = false;
};
