// Painting of TDBGrid: titles, indicator, data cells with their draw state, grid lines.
#include "TDBGrid.h"

#include "TDataSet.h"
#include "TField.h"

#include <algorithm>

namespace {

constexpr int indicatorCellWidth = 11;

int TextLeft(TCanvas& canvas, const TRect& rect, TAlignment alignment, const std::string& text) {
    switch (alignment) {
    case taRightJustify: return rect.Right - canvas.TextWidth(text) - 3;
    case taCenter: return rect.Left + (rect.Width() - canvas.TextWidth(text)) / 2;
    case taLeftJustify: break;
    }
    return rect.Left + 2;
}

// Puts the grid's own canvas back however painting ends.
class CanvasScope {
public:
    CanvasScope(TCanvas*& current, TCanvas& painting, TCanvas* own) : current_(current), own_(own) {
        current_ = &painting;
    }
    ~CanvasScope() { current_ = own_; }
    CanvasScope(const CanvasScope&) = delete;
    CanvasScope& operator=(const CanvasScope&) = delete;

private:
    TCanvas*& current_;
    TCanvas* own_;
};

} // namespace

int TDBGrid::TitleHeight() const {
    return options_.Contains(dgTitles) ? DefaultRowHeight + (options_.Contains(dgRowLines) ? 1 : 0) : 0;
}

int TDBGrid::IndicatorWidth() const {
    return options_.Contains(dgIndicator) ? indicatorCellWidth + (options_.Contains(dgColLines) ? 1 : 0) : 0;
}

int TDBGrid::RowTop(int visibleRow) const {
    return TitleHeight() + visibleRow * (DefaultRowHeight + (options_.Contains(dgRowLines) ? 1 : 0));
}

int TDBGrid::ColumnLeft(int column) const {
    int left = IndicatorWidth();
    int line = options_.Contains(dgColLines) ? 1 : 0;
    for (int i = 0; i < column; ++i)
        if (columns_[i]->Visible()) left += columns_[i]->Width() + line;
    return left;
}

TRect TDBGrid::CellRect(int column, int visibleRow) const {
    if (column < 0 || column >= columns_.Count() || !columns_[column]->Visible()) return TRect{};
    return Bounds(ColumnLeft(column), RowTop(visibleRow), columns_[column]->Width(), DefaultRowHeight);
}

TRect TDBGrid::TitleRect(int column) const {
    if (column < 0 || column >= columns_.Count() || !columns_[column]->Visible()) return TRect{};
    return Bounds(ColumnLeft(column), 0, columns_[column]->Width(), DefaultRowHeight);
}

TGridDrawState TDBGrid::CellState(int column, int displayRow) const {
    TGridDrawState state;
    if (displayRow != DataSet()->CurrentDisplayRow()) return state;
    if (column == selectedIndex_ || options_.Contains(dgRowSelect)) state.Include(gdSelected);
    if (column == selectedIndex_ && Focused()) state.Include(gdFocused);
    return state;
}

bool TDBGrid::Paint() {
    ownCanvas_.Clear();
    return Paint(ownCanvas_);
}

bool TDBGrid::Paint(TCanvas& canvas) {
    TDataSet* dataSet = DataSet();
    if (dataSet && dataSet->ControlsDisabled()) return false;
    CanvasScope scope(canvas_, canvas, &ownCanvas_);
    if (options_.Contains(dgTitles)) PaintTitles();
    int rows = link_.Active() ? std::clamp(dataSet->DisplayRowCount() - topRow_, 0, VisibleRowCount()) : 0;
    for (int row = 0; row < rows; ++row) PaintRow(row);
    PaintGridLines(rows);
    return true;
}

void TDBGrid::PaintTitles() {
    TCanvas& canvas = *canvas_;
    canvas.Brush.Color = clBtnFace;
    if (options_.Contains(dgIndicator)) canvas.FillRect(Bounds(0, 0, indicatorCellWidth, DefaultRowHeight));
    for (int i = 0; i < columns_.Count(); ++i)
        if (columns_[i]->Visible()) DrawTitle(i, TitleRect(i));
}

bool TDBGrid::PaintTitle(TCanvas& canvas, int column, const TRect& rect) {
    if (column < 0 || column >= columns_.Count() || !columns_[column]->Visible()) return false;
    CanvasScope scope(canvas_, canvas, &ownCanvas_);
    DrawTitle(column, rect);
    return true;
}

void TDBGrid::DrawTitle(int column, const TRect& rect) {
    TCanvas& canvas = *canvas_;
    const TColumnTitle& title = columns_[column]->Title();
    canvas.Brush.Color = clBtnFace;
    canvas.Font = title.Font();
    std::string caption = title.Caption();
    canvas.TextRect(rect, TextLeft(canvas, rect, title.Alignment(), caption), rect.Top + 2, caption);
}

void TDBGrid::PaintRow(int visibleRow) {
    TCanvas& canvas = *canvas_;
    TDataSet* dataSet = DataSet();
    int displayRow = topRow_ + visibleRow;
    TDataSet::RowScope rowScope(*dataSet, displayRow);
    if (options_.Contains(dgIndicator)) {
        TRect rect = Bounds(0, RowTop(visibleRow), indicatorCellWidth, DefaultRowHeight);
        canvas.Brush.Color = clBtnFace;
        canvas.Font = Font();
        bool current = displayRow == dataSet->CurrentDisplayRow();
        const char* marker = !current ? "" : dataSet->State() == dsInsert ? "*" : dataSet->State() == dsEdit ? "I" : ">";
        canvas.TextRect(rect, rect.Left + 2, rect.Top + 2, marker);
    }
    for (int i = 0; i < columns_.Count(); ++i)
        if (columns_[i]->Visible()) DrawCell(i, displayRow, CellRect(i, visibleRow));
}

bool TDBGrid::PaintCell(TCanvas& canvas, int column, int displayRow, const TRect& rect) {
    TDataSet* dataSet = DataSet();
    if (!link_.Active() || dataSet->ControlsDisabled()) return false;
    if (column < 0 || column >= columns_.Count() || !columns_[column]->Visible()) return false;
    if (displayRow < 0 || displayRow >= dataSet->DisplayRowCount()) return false;
    CanvasScope scope(canvas_, canvas, &ownCanvas_);
    TDataSet::RowScope rowScope(*dataSet, displayRow);
    DrawCell(column, displayRow, rect);
    return true;
}

void TDBGrid::DrawCell(int index, int displayRow, const TRect& rect) {
    TCanvas& canvas = *canvas_;
    TColumn* column = columns_[index];
    TGridDrawState state = CellState(index, displayRow);
    bool highlight = state.Contains(gdSelected) && (Focused() || options_.Contains(dgAlwaysShowSelection));
    canvas.Font = column->Font();
    canvas.Brush.Color = column->Color();
    if (highlight) {
        canvas.Brush.Color = clHighlight;
        canvas.Font.Color = clHighlightText;
    }
    if (!Enabled()) canvas.Font.Color = clGrayText;
    if (DefaultDrawing) DefaultDrawColumnCell(rect, index, column, state);
    if (OnDrawColumnCell) OnDrawColumnCell(this, rect, index, column, state);
    if (DefaultDrawing && state.Contains(gdFocused)) canvas.DrawFocusRect(rect);
}

void TDBGrid::DefaultDrawColumnCell(const TRect& rect, int, TColumn* column, TGridDrawState) {
    TField* field = column->Field();
    std::string text = field ? field->DisplayText() : std::string();
    canvas_->TextRect(rect, TextLeft(*canvas_, rect, column->Alignment(), text), rect.Top + 2, text);
}

void TDBGrid::PaintGridLines(int rows) {
    TCanvas& canvas = *canvas_;
    canvas.Pen.Color = clSilver;
    int bottom = RowTop(rows);
    int right = ColumnLeft(columns_.Count());
    if (options_.Contains(dgColLines))
        for (int i = 0; i < columns_.Count(); ++i) {
            if (!columns_[i]->Visible()) continue;
            int x = ColumnLeft(i) + columns_[i]->Width();
            canvas.MoveTo(x, 0);
            canvas.LineTo(x, bottom);
        }
    if (options_.Contains(dgRowLines))
        for (int row = 0; row <= rows; ++row) {
            int y = RowTop(row) - 1;
            if (y < 0) continue;
            canvas.MoveTo(0, y);
            canvas.LineTo(right, y);
        }
}
