// Painting of the data grid: the default drawing, the cell handler and its draw state, row
// values read without moving the cursor, and silence while the dataset's controls are disabled.
#include "GridFixture.h"
#include "TBitmapCanvas.h"
#include "TInplaceEdit.h"

namespace {

struct CellCall {
    int dataCol;
    std::string code;  // CODE as the handler read it: tells the row painted
    TGridDrawState state;
    size_t recordsBefore;  // canvas operations done before the handler ran
};

class GridPaint : public GridTest {
protected:
    GridPaint() {
        grid.OnDrawColumnCell = [this](TComponent* sender, const TRect& rect, int dataCol, TColumn*,
                                       TGridDrawState state) {
            EXPECT_EQ(sender, &grid);
            calls.push_back({dataCol, code->AsString(), state, grid.OwnCanvas().Records().size()});
            grid.Canvas().TextRect(rect, rect.Left + 3, rect.Top + 3, "handler");
        };
        cds.AfterScroll = [this](TDataSet*) { ++scrolls; };
    }

    std::vector<TCanvasRecord> Operations(CanvasOperation operation) const {
        std::vector<TCanvasRecord> found;
        for (const TCanvasRecord& record : const_cast<TDBGrid&>(grid).OwnCanvas().Records())
            if (record.Operation == operation) found.push_back(record);
        return found;
    }

    // The default text drawn into a cell (the record just before the handler's own).
    const TCanvasRecord& DefaultTextOf(const CellCall& call) const {
        return const_cast<TDBGrid&>(grid).OwnCanvas().Records().at(call.recordsBefore - 1);
    }

    std::vector<CellCall> calls;
    int scrolls = 0;
};

TEST_F(GridPaint, HandlerRunsAfterTheDefaultDrawingOfEveryCellReadingItsOwnRow) {
    Application->PressKey(VK_DOWN);
    Application->PressKey(VK_TAB);
    scrolls = 0;
    ASSERT_TRUE(grid.Paint());
    ASSERT_EQ(calls.size(), 9u);
    const char* codes[] = {"01", "02", "03"};
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].dataCol, static_cast<int>(i % 3));
        EXPECT_EQ(calls[i].code, codes[i / 3]);
        const TCanvasRecord& text = DefaultTextOf(calls[i]);
        EXPECT_EQ(text.Operation, CanvasOperation::TextRect);
        EXPECT_EQ(text.Rect, grid.CellRect(calls[i].dataCol, static_cast<int>(i / 3)));
    }
    EXPECT_EQ(DefaultTextOf(calls[4]).Text, "Jantar");
    EXPECT_EQ(DefaultTextOf(calls[8]).Text, "30");
    EXPECT_EQ(calls[4].state, (TGridDrawState{gdSelected, gdFocused}));
    for (size_t i : {0, 1, 2, 3, 5, 6, 7, 8}) EXPECT_TRUE(calls[i].state.Empty()) << i;
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_EQ(scrolls, 0);
}

TEST_F(GridPaint, SelectedCellIsHighlightedOnlyWhileTheGridHoldsTheFocus) {
    struct Case {
        bool alwaysShowSelection;
        bool focused;
        TColor brush;
        TColor font;
    };
    for (Case c : {Case{false, true, clHighlight, clHighlightText}, Case{false, false, clWindow, clWindowText},
                   Case{true, false, clHighlight, clHighlightText}}) {
        TDBGridOptions options = TDBGrid::DefaultOptions;
        if (c.alwaysShowSelection) options.Include(dgAlwaysShowSelection);
        grid.SetOptions(options);
        Application->Focus(c.focused ? static_cast<TWinControl&>(grid) : other);
        calls.clear();
        grid.Paint();
        const TCanvasRecord& selected = DefaultTextOf(calls[0]);
        EXPECT_EQ(selected.Brush.Color, c.brush) << c.alwaysShowSelection << c.focused;
        EXPECT_EQ(selected.Font.Color, c.font) << c.alwaysShowSelection << c.focused;
        TGridDrawState expected = c.focused ? TGridDrawState{gdSelected, gdFocused} : TGridDrawState{gdSelected};
        EXPECT_EQ(calls[0].state, expected);
        EXPECT_EQ(DefaultTextOf(calls[1]).Brush.Color, clWindow);
    }
}

TEST_F(GridPaint, WhileTheEditorHoldsTheFocusTheCellIsSelectedOnly) {
    Application->PressKey(VK_F2);
    ASSERT_EQ(form.ActiveControl(), grid.InplaceEditor());
    grid.Paint();
    EXPECT_TRUE(grid.EditorMode());
    EXPECT_EQ(calls[0].state, TGridDrawState{gdSelected});
    EXPECT_TRUE(Operations(CanvasOperation::DrawFocusRect).empty());
}

TEST_F(GridPaint, FocusFrameIsDrawnAfterTheHandler) {
    grid.Paint();
    std::vector<TCanvasRecord> records = grid.OwnCanvas().Records();
    auto handler = std::find_if(records.begin(), records.end(), [](const auto& r) { return r.Text == "handler"; });
    ASSERT_NE(handler, records.end());
    EXPECT_EQ((handler + 1)->Operation, CanvasOperation::DrawFocusRect);
    EXPECT_EQ((handler + 1)->Rect, grid.CellRect(0, 0));
}

TEST_F(GridPaint, OnlyRowsThatFitArePaintedAndTheWindowFollowsTheCursor) {
    grid.SetHeight((grid.DefaultRowHeight + 1) * 3);  // titles and two rows, with their lines
    EXPECT_EQ(grid.VisibleRowCount(), 2);
    Application->PressKey(VK_END, {ssCtrl});
    EXPECT_EQ(grid.TopRow(), 1);
    grid.Paint();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls.front().code, "02");
    EXPECT_EQ(calls.back().code, "03");
    EXPECT_EQ(Operations(CanvasOperation::TextRect).front().Text, "Código");
}

TEST_F(GridPaint, AnUnpostedInsertIsPaintedInItsPlace) {
    Application->PressKey(VK_DOWN);
    Application->PressKey(VK_INSERT);
    grid.Paint();
    ASSERT_EQ(calls.size(), 12u);
    std::vector<std::string> rows;
    for (size_t i = 0; i < calls.size(); i += 3) rows.push_back(calls[i].code);
    EXPECT_EQ(rows, (std::vector<std::string>{"01", "", "02", "03"}));
    EXPECT_TRUE(calls[3].state.Contains(gdSelected));
}

class CountingObserver : public TControlObserver {
public:
    void ControlChanged(TControl&, TControlChange change) override { invalidations += change == TControlChange::Invalidate; }
    void ControlDestroyed(TControl&) override {}
    int invalidations = 0;
};

TEST_F(GridPaint, DisabledControlsKeepTheGridFromRepaintingUntilEnabled) {
    CountingObserver observer;
    grid.SetObserver(&observer);
    cds.DisableControls();
    cds.Edit();
    name->SetAsString("Desjejum");
    cds.Post();
    cds.Last();
    EXPECT_EQ(observer.invalidations, 0);
    EXPECT_FALSE(grid.Paint());
    EXPECT_TRUE(grid.OwnCanvas().Records().empty());
    EXPECT_TRUE(calls.empty());

    cds.EnableControls();
    EXPECT_GT(observer.invalidations, 0);
    EXPECT_TRUE(grid.Paint());
    EXPECT_EQ(calls.size(), 9u);
    grid.SetObserver(nullptr);
}

TEST_F(GridPaint, OneCellPaintsOnTheGivenCanvasReadingItsRowWithTheGridsState) {
    Application->PressKey(VK_DOWN);
    TRecordingCanvas view;
    grid.OnDrawColumnCell = [&](TComponent*, const TRect& rect, int, TColumn*, TGridDrawState state) {
        calls.push_back({0, code->AsString(), state, 0});
        grid.Canvas().TextRect(rect, rect.Left, rect.Top, "handler");
    };
    const TRect rect = Bounds(500, 40, 80, 17);  // the view's own place for the cell
    ASSERT_TRUE(grid.PaintCell(view, 1, 2, rect));
    ASSERT_TRUE(grid.PaintCell(view, 0, 1, rect));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].code, "03");
    EXPECT_TRUE(calls[0].state.Empty());
    EXPECT_EQ(calls[1].code, "02");
    EXPECT_EQ(calls[1].state, (TGridDrawState{gdSelected, gdFocused}));
    EXPECT_EQ(view.Records().front().Text, "Ceia");
    EXPECT_EQ(view.Records().front().Rect, rect);
    EXPECT_EQ(view.Records().back().Operation, CanvasOperation::DrawFocusRect);
    EXPECT_TRUE(grid.OwnCanvas().Records().empty());
    EXPECT_EQ(&grid.Canvas(), &grid.OwnCanvas());
    EXPECT_EQ(cds.RecNo(), 2);

    EXPECT_FALSE(grid.PaintCell(view, 0, 3, rect));
    EXPECT_FALSE(grid.PaintCell(view, 3, 0, rect));
    cds.DisableControls();
    EXPECT_FALSE(grid.PaintCell(view, 0, 0, rect));
    cds.EnableControls();
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(GridPaint, OneTitlePaintsOnTheGivenCanvasInItsAlignment) {
    TRecordingCanvas view;
    TFont symbols;
    symbols.Name = "Monotype Sorts";
    grid.Columns()[1]->Title().SetFont(symbols);
    grid.Columns()[1]->Title().SetAlignment(taRightJustify);
    const TRect rect = Bounds(100, 0, 80, 17);
    ASSERT_TRUE(grid.PaintTitle(view, 1, rect));
    ASSERT_EQ(view.Records().size(), 1u);
    const TCanvasRecord& title = view.Records()[0];
    EXPECT_EQ(title.Text, "Nome");
    EXPECT_EQ(title.Rect, rect);
    EXPECT_EQ(title.Point, (TPoint{rect.Right - view.TextWidth("Nome") - 3, 2}));
    EXPECT_EQ(title.Font.Name, "Monotype Sorts");
    EXPECT_EQ(title.Brush.Color, clBtnFace);
    EXPECT_TRUE(grid.OwnCanvas().Records().empty());

    grid.Columns()[1]->SetVisible(false);
    EXPECT_FALSE(grid.PaintTitle(view, 1, rect));
    EXPECT_FALSE(grid.PaintTitle(view, 3, rect));
}

TEST(BitmapCanvas, BrushCopyPaintsTheTransparentColourWithTheBrush) {
    TBitmap check(2, 2);
    check.SetPixel(0, 0, clOlive);
    check.SetPixel(1, 0, clBlack);
    TBitmap cell(4, 2);
    cell.Canvas().Brush.Color = clInfoBk;
    cell.Canvas().FillRect(Rect(0, 0, 4, 2));
    cell.Canvas().Brush.Color = clHighlight;
    cell.Canvas().BrushCopy(Bounds(1, 0, 2, 2), check, Rect(0, 0, 2, 2), clOlive);
    EXPECT_EQ(cell.Pixel(0, 0), ColorToRGB(clInfoBk));
    EXPECT_EQ(cell.Pixel(1, 0), ColorToRGB(clHighlight));
    EXPECT_EQ(cell.Pixel(2, 0), clBlack);
    EXPECT_EQ(cell.Pixel(2, 1), clWhite);

    check.Transparent = true;
    check.TransparentColor = clBlack;
    cell.Canvas().Draw(2, 0, check);
    EXPECT_EQ(cell.Pixel(2, 0), clOlive);
    EXPECT_EQ(cell.Pixel(3, 0), ColorToRGB(clInfoBk));  // the black pixel stayed unpainted
}

} // namespace
