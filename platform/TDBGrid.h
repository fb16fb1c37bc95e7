#pragma once
// The data grid: shows the records of a data source as rows and the columns' fields as cells,
// and turns the user's keys and clicks into dataset navigation and edits as the platform's
// grid does.
//
// Invariants and rules kept here:
// - the grid's current row is the dataset's current record; every row move is dataset
//   navigation (CheckBrowseMode, scroll events); column moves never touch the cursor;
// - a column move flushes the editor text into the field, runs OnColExit (throwing keeps the
//   column; a handler that moves the column itself wins), selects, runs OnColEnter;
// - typed text lives in the in-place editor until it is written with Field.SetText: on a column
//   move, Enter, the dataset's UpdateRecord (Post, navigation) and focus leaving the grid;
//   Escape reverts a modified editor, else cancels the record;
// - gdFocused means the grid itself is the form's ActiveControl (not while its editor holds the
//   focus); the selected cell is highlighted when the grid is focused or with
//   dgAlwaysShowSelection;
// - while the dataset's controls are disabled the grid hears nothing and Paint draws nothing.
#include "TColumn.h"
#include "TDBGridColumns.h"
#include "TGridDataLink.h"
#include "TRecordingCanvas.h"
#include "TWinControl.h"

class TDataSet;
class TDataSource;
class TInplaceEdit;

enum TDBGridOption {
    dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines,
    dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect,
    dgTitleClick, dgTitleHotTrack
};
using TDBGridOptions = TSet<TDBGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

using TDrawColumnCellEvent = std::function<void(TComponent* Sender, const TRect& Rect, int DataCol,
                                                TColumn* Column, TGridDrawState State)>;
using TDBGridClickEvent = std::function<void(TColumn* Column)>;

class TDBGrid : public TWinControl {
public:
    explicit TDBGrid(TComponent* owner);
    ~TDBGrid() override;

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* source);
    // The data source's dataset, or nullptr.
    TDataSet* DataSet() const;

    TDBGridColumns& Columns() { return columns_; }
    const TDBGridColumns& Columns() const { return columns_; }

    static constexpr TDBGridOptions DefaultOptions{dgEditing,  dgTitles, dgIndicator,     dgColumnResize,
                                                   dgColLines, dgRowLines, dgTabs,        dgConfirmDelete,
                                                   dgCancelOnExit, dgTitleClick, dgTitleHotTrack};
    TDBGridOptions Options() const { return options_; }
    // Removing dgEditing (or adding dgRowSelect) closes the editor.
    void SetOptions(TDBGridOptions options);
    bool ReadOnly = false;

    // Index into Columns of the current column; -1 without columns.
    int SelectedIndex() const { return selectedIndex_; }
    // A column move (OnColExit / OnColEnter) when it changes the column.
    void SetSelectedIndex(int index);
    // The current column's field, or nullptr.
    TField* SelectedField() const;
    // Selects the first visible column showing `field` (a column move); nothing when none does.
    void SetSelectedField(TField* field);

    // The in-place editor is wanted. Setting it true shows the editor when the cell can be
    // edited (dgEditing, no dgRowSelect, an open dataset, a field) and the grid has the focus
    // or dgAlwaysShowEditor; false hides it, keeping any text not yet written.
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool mode);
    TInplaceEdit* InplaceEditor() const { return editor_; }

    int DefaultRowHeight = 17;
    // Data rows that fit below the titles (at least one).
    int VisibleRowCount() const;
    // The display row shown first.
    int TopRow() const { return topRow_; }
    // The rectangle of a data cell: column index into Columns, row counted from the top row
    // shown; empty for a hidden column.
    TRect CellRect(int column, int visibleRow) const;
    TRect TitleRect(int column) const;

    // The canvas being painted on: during Paint(canvas) that one, otherwise the grid's own
    // recording canvas.
    TCanvas& Canvas() { return *canvas_; }
    TRecordingCanvas& OwnCanvas() { return ownCanvas_; }
    // Paints titles, indicator and every visible data cell: for each cell the default drawing
    // (when DefaultDrawing), then OnDrawColumnCell, then the focus frame. While painting a row
    // the dataset's fields read that row. False, and nothing drawn, while the dataset's controls
    // are disabled.
    bool Paint();
    bool Paint(TCanvas& canvas);
    // Paints one data cell as Paint does (default drawing, OnDrawColumnCell, focus frame) on
    // `canvas` at `rect`, the fields reading display row `displayRow`: for a toolkit view that
    // lays out and scrolls its own cells. False, and nothing drawn, while the dataset's controls
    // are disabled or when the column or the row is not there to show.
    bool PaintCell(TCanvas& canvas, int column, int displayRow, const TRect& rect);
    // Paints one column's title as Paint does, on `canvas` at `rect`; false for a hidden column.
    bool PaintTitle(TCanvas& canvas, int column, const TRect& rect);
    bool DefaultDrawing = true;
    // Background and the field's display text in the column's alignment and colours.
    void DefaultDrawColumnCell(const TRect& rect, int dataCol, TColumn* column, TGridDrawState state);

    // User gestures (run them inside Application->Perform). Columns are indices into Columns,
    // rows count from the top row shown.
    void ClickCell(int column, int visibleRow);
    void DblClickCell(int column, int visibleRow);
    void ClickTitle(int column);
    // The "..." button of the editor (only there while the editor shows on a cbsEllipsis column).
    void ClickEditButton();
    // Runs OnEditButtonClick.
    void EditButtonClick();

    TNotifyEvent OnColEnter;
    TNotifyEvent OnColExit;
    TNotifyEvent OnEditButtonClick;
    TDrawColumnCellEvent OnDrawColumnCell;
    TDBGridClickEvent OnCellClick;
    TDBGridClickEvent OnTitleClick;

    bool WantsKey(Word key, TShiftState shift) const override;
    // Enter first writes the editor text (before OnKeyPress), as the platform's grid does.
    void KeyPress(char& key) override;
    void DoEnter() override;
    void DoExit() override;

    // For the editor and the columns.
    bool CanEditModify();
    void EditorChanged() { editorModified_ = true; }
    bool EditorModified() const { return editorModified_; }
    bool EditorHandsKeyToGrid(Word key, TShiftState shift) const;
    void ColumnsChanged();

protected:
    void KeyAction(Word& key, TShiftState shift) override;
    void CharAction(char& key) override;
    // A taller or shorter grid shows more or fewer rows: the current one stays in view.
    void Resized() override;

private:
    friend class TGridDataLink;

    // Data link notifications.
    void LinkActiveChanged();
    void LinkStateChanged();
    void LinkRecordMoved();
    void LinkRecordChanged(TField* field);
    bool LinkFocusControl(TField* field);

    bool Editable() const;
    bool HasFocus() const;
    bool CanEditShow() const;
    void ShowEditor();
    void HideEditor();
    // Makes the editor control match EditorMode and the current cell (shown, placed, loaded
    // with the field's text unless modified, focused when the grid is) or hides it.
    void UpdateEditor();
    void UpdateData();
    void ResetEditor();
    void MoveColumn(int index);
    int NextVisibleColumn(int from, int step) const;
    void SyncTopRow();
    void MoveRows(int distance);
    bool UnmodifiedInsert() const;
    void UpKey();
    void DownKey();
    void TabKey(bool backwards);
    void DeleteKey();
    void ColumnKey(Word key, TShiftState shift);
    void RowKey(Word key, TShiftState shift);
    void MouseDownCell(int column, int visibleRow);
    void CellClick();

    // Painting (TDBGridPaint.cpp).
    void PaintTitles();
    void PaintRow(int visibleRow);
    void DrawCell(int column, int displayRow, const TRect& rect);
    void DrawTitle(int column, const TRect& rect);
    void PaintGridLines(int rows);
    TGridDrawState CellState(int column, int displayRow) const;
    int ColumnLeft(int column) const;
    int RowTop(int visibleRow) const;
    int TitleHeight() const;
    int IndicatorWidth() const;

    TGridDataLink link_;
    TDBGridColumns columns_;
    TDBGridOptions options_ = DefaultOptions;
    TInplaceEdit* editor_ = nullptr;
    TRecordingCanvas ownCanvas_;
    TCanvas* canvas_ = &ownCanvas_;
    int selectedIndex_ = -1;
    int topRow_ = 0;
    bool editorMode_ = false;
    bool editorModified_ = false;
    unsigned columnMoves_ = 0;
    bool inColExit_ = false;
};
