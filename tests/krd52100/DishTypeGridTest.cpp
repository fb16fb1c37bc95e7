// The dish-type grid on the demo company's loaded file: painting read off the recording canvas,
// the columns closed to typing, marking one row or all rows, and the keys it swallows or turns
// into a post.
#include "DishTypeScreen.h"

#include "ControlRoutines.h"
#include "Keys.h"
#include "TImage.h"
#include "TRecordingCanvas.h"

namespace krd52100::testing {
namespace {

class DishTypeGridTest : public DishTypeScreen {
protected:
    void SetUp() override {
        DishTypeScreen::SetUp();
        WorkOnTheGrid();
    }
    int Column(const char* field) { return IndiceCol(&Grid(), field); }
    std::string Mark() { return Rows().FieldByName("IDIMPORTAR")->AsString(); }
    // Marks of the pair's rows, in the grid's order.
    std::string Marks() {
        std::string marks;
        const DataPacket packet = Rows().GetData().AsPacket();
        for (size_t i = 0; i < packet.Rows.size(); ++i)
            if (packet.Value(i, "CDSERVORIG").AsString() == kHospital)
                marks += packet.Value(i, "IDIMPORTAR").IsNull() ? "-" : packet.Value(i, "IDIMPORTAR").AsString();
        return marks;
    }
    // What the paint handler wrote last into a cell (after the grid's own drawing).
    const TCanvasRecord& LastText(int column, int row) {
        const TRect cell = Grid().CellRect(column, row);
        const auto& records = Grid().OwnCanvas().Records();
        for (auto it = records.rbegin(); it != records.rend(); ++it)
            if (it->Operation == CanvasOperation::TextRect && it->Rect == cell) return *it;
        throw std::logic_error("no text in that cell");
    }
    // The tab change opens the grid to editing whatever column is current; the gestures below
    // meet a column closed to editing in that state.
    void OpenEditingOn(const char* field) {
        GoToColumn(field);
        Application->Perform([&] { Grid().SetOptions(Grid().Options() + dgEditing); });
    }
    const TCanvasRecord* CheckBox(int row) {
        const TRect cell = Grid().CellRect(Column("IDIMPORTAR"), row);
        for (const auto& record : Grid().OwnCanvas().Records())
            if (record.Operation == CanvasOperation::BrushCopy && record.Rect.Top == cell.Top &&
                record.Rect.Left >= cell.Left && record.Rect.Left < cell.Right)
                return &record;
        return nullptr;
    }
};

TEST_F(DishTypeGridTest, CellsShowNamesInTheColoursOfTheirStateWhileTheGridIsActive) {
    GoToColumn("CDTIPOORIG");
    Grid().Paint();
    const TCanvasRecord& selected = LastText(Column("CDTIPOORIG"), 0);
    EXPECT_EQ(selected.Text, "Entrada");
    EXPECT_EQ(selected.Brush.Color, clHighlight);
    EXPECT_EQ(selected.Font.Color, clHighlightText);
    EXPECT_EQ(selected.Point, (TPoint{Grid().CellRect(Column("CDTIPOORIG"), 0).Left + 3,
                                      Grid().CellRect(Column("CDTIPOORIG"), 0).Top + 3}));
    const TCanvasRecord& other = LastText(Column("CDTIPODEST"), 1);
    EXPECT_EQ(other.Text, "PRATO PRINCIPAL");
    EXPECT_EQ(other.Brush.Color, clInfoBk);
    EXPECT_EQ(other.Font.Color, clWindowText);
    EXPECT_EQ(LastText(Column("IDOPCORIG"), 2).Text, "Sim");
    EXPECT_EQ(LastText(Column("IDOPCORIG"), 0).Text, "Não");
}

TEST_F(DishTypeGridTest, AnotherActiveControlGreysTheTextOfEveryCell) {
    GoToColumn("CDTIPOORIG");
    Focus(*Frm().depDestino);
    Grid().Paint();
    const TCanvasRecord& selected = LastText(Column("CDTIPOORIG"), 0);
    EXPECT_EQ(selected.Brush.Color, clHighlight);
    EXPECT_EQ(selected.Font.Color, clInactiveCaption);
    EXPECT_EQ(LastText(Column("CDTIPODEST"), 1).Font.Color, clInactiveCaption);
}

TEST_F(DishTypeGridTest, EmptyDestinationCodeShowsABlankCellWhateverNameIsLeft) {
    SetRow(kHospital, 1, "01", {{"CDTIPODEST", Variant()}, {"NMTIPODEST", Variant("Sobra")}});
    Grid().Paint();
    EXPECT_EQ(LastText(Column("CDTIPODEST"), 0).Text, "");
}

TEST_F(DishTypeGridTest, CheckBoxesAreCentredAtTheTopWithOliveAsTheCellsColour) {
    SetRow(kHospital, 2, "02", {{"IDIMPORTAR", Variant("N")}});
    SetRow(kHospital, 3, "02", {{"IDIMPORTAR", Variant()}});
    Grid().Paint();
    const TRect cell = Grid().CellRect(Column("IDIMPORTAR"), 0);
    for (int row = 0; row < 3; ++row) {
        const TCanvasRecord* box = CheckBox(row);
        ASSERT_TRUE(box) << "row " << row;
        EXPECT_EQ(box->TransparentColor, clOlive);
        EXPECT_EQ(box->Rect.Left, cell.Left + (cell.Width() - 16) / 2);
        EXPECT_EQ(box->Rect.Width(), 16);
        EXPECT_EQ(box->Rect.Height(), cell.Height());
        EXPECT_EQ(box->Source, Bounds(0, 0, 16, cell.Height()));
    }
    auto picture = [&](int row) { return CheckBox(row)->Bitmap.Pixel(8, 8); };
    EXPECT_EQ(picture(0), Frm().imgCheck->Bitmap().Pixel(8, 8)) << "marked";
    EXPECT_EQ(picture(1), Frm().imgUncheck->Bitmap().Pixel(8, 8)) << "N";
    EXPECT_EQ(picture(2), Frm().imgUncheck->Bitmap().Pixel(8, 8)) << "no value";
}

// The paint handler draws nothing over a cell of an empty table, whatever the grid asks.
TEST_F(DishTypeGridTest, EmptyTableKeepsTheGridsOwnPainting) {
    Application->Perform([&] { Rows().SetFilter("CDSERVORIG = 'none'"); });
    Grid().Paint();
    const size_t drawn = Grid().OwnCanvas().Records().size();
    for (const char* field : {"CDTIPOORIG", "CDTIPODEST", "IDIMPORTAR"}) {
        const int column = Column(field);
        Grid().OnDrawColumnCell(&Grid(), Grid().CellRect(column, 0), column, Grid().Columns()[column], {gdSelected});
    }
    EXPECT_EQ(Grid().OwnCanvas().Records().size(), drawn);
    GoToColumn("IDIMPORTAR");
    PressKey(VK_SPACE);
    Application->Perform([&] { Grid().DblClickCell(Column("IDIMPORTAR"), 0); });
    EXPECT_EQ(Marks(), "SSSSSS");
}

TEST_F(DishTypeGridTest, SpaceAndDoubleClickToggleTheMarkOnlyInTheMarkColumn) {
    GoToColumn("CDTIPODEST");
    Application->Perform([&] { Grid().DblClickCell(Column("CDTIPODEST"), 0); });
    EXPECT_EQ(Mark(), "S");
    GoToColumn("IDIMPORTAR");
    PressKey(VK_SPACE);
    EXPECT_EQ(Mark(), "N");
    PressKey(VK_SPACE, {ssShift});
    PressKey(VK_SPACE, {ssAlt});
    EXPECT_EQ(Mark(), "N");
    PressKey(VK_SPACE);
    EXPECT_EQ(Mark(), "S");
    EXPECT_EQ(Rows().State(), dsBrowse);
}

TEST_F(DishTypeGridTest, RowWithoutMarkValueIsMarkedByADoubleClick) {
    SetRow(kHospital, 1, "01", {{"IDIMPORTAR", Variant()}});
    Application->Perform([&] { Grid().DblClickCell(Column("IDIMPORTAR"), 0); });
    EXPECT_EQ(Mark(), "S");
}

TEST_F(DishTypeGridTest, TitleClickUnmarksAllWhenAnyIsMarkedElseMarksThoseWithADestination) {
    SetRow(kHospital, 2, "02", {{"IDIMPORTAR", Variant("N")}, {"CDTIPODEST", Variant()}});
    SetRow(kHospital, 1, "01", {{"IDIMPORTAR", Variant("s")}});
    Application->Perform([&] { Grid().ClickTitle(Column("IDIMPORTAR")); });
    EXPECT_EQ(Marks(), "NNNNNN");
    EXPECT_TRUE(OriginEntries().empty()) << "an unmarked row takes no dish type";
    EXPECT_EQ(Rows().RecNo(), Rows().RecordCount()) << "the last row stays current";
    Application->Perform([&] { Grid().ClickTitle(Column("CDTIPODEST")); });
    EXPECT_EQ(Marks(), "NNNNNN");
    GoToColumn("IDIMPORTAR");
    PressKey(VK_SPACE, {ssCtrl});
    EXPECT_EQ(Marks(), "SNSSSS");
    EXPECT_FALSE(Rows().ControlsDisabled());
}

// Zeroing a key in the key-down handler stops the key's own action, not the character it types:
// Backspace still edits the destination code typed in the editor.
TEST_F(DishTypeGridTest, DeleteNeverReachesTheGridBackspaceOnlyTypes) {
    const int rows = Rows().RecordCount();
    PressKey(VK_DELETE, {ssCtrl});  // would ask to delete the row, had it reached the grid
    EXPECT_EQ(Rows().RecordCount(), rows);
    EXPECT_TRUE(Messages().empty());

    GoToColumn("CDTIPODEST");
    TypeText("04");
    const std::string typed = Grid().InplaceEditor()->Text();
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    EXPECT_EQ(Grid().InplaceEditor()->Text(), typed);
    PressKey(VK_DELETE, {ssShift});
    EXPECT_EQ(Grid().InplaceEditor()->Text(), typed);
    PressKey(VK_END);
    PressKey(VK_BACK);
    EXPECT_EQ(Grid().InplaceEditor()->Text(), typed.substr(0, typed.size() - 1));
    PressKey(VK_BACK, {ssCtrl});  // passed on: the editor takes its character
    EXPECT_EQ(Grid().InplaceEditor()->Text(), typed.substr(0, typed.size() - 1) + "\x7f");
    EXPECT_EQ(Rows().RecordCount(), rows);
    dialogs_.Answer(mrYes);
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
}

// Entering a read-only column closes editing; typed into one that editing is open on, the
// characters are dropped.
TEST_F(DishTypeGridTest, ReadOnlyColumnsTakeNoTypingTheDestinationDoes) {
    for (const char* field : {"IDOPCORIG", "CDTIPOORIG"}) {
        GoToColumn(field);
        EXPECT_FALSE(Grid().Options().Contains(dgEditing)) << field;
        OpenEditingOn(field);
        TypeText("7");
        EXPECT_EQ(Rows().State(), dsBrowse) << field;
    }
    GoToColumn("CDTIPODEST");
    EXPECT_TRUE(Grid().Options().Contains(dgEditing));
    TypeText("9");
    EXPECT_EQ(Rows().State(), dsEdit);
    PressKey(VK_RETURN);
    EXPECT_EQ(Rows().FieldByName("CDTIPODEST")->AsString(), "09") << "the post checks the code typed";
    EXPECT_EQ(Rows().FieldByName("NMTIPODEST")->AsString(), "SOBREMESA");
}

// A click on another row of the current column (a click on the current cell opens the editor).
TEST_F(DishTypeGridTest, ClickOnTheMarkColumnClosesEditing) {
    for (const char* field : {"IDIMPORTAR", "IDOPCORIG", "CDTIPOORIG", "CDTIPODEST"}) {
        OpenEditingOn(field);
        const int otherRow = Rows().CurrentDisplayRow() == 0 ? 1 : 0;
        Application->Perform([&] { Grid().ClickCell(Column(field), otherRow); });
        EXPECT_EQ(Grid().Options().Contains(dgEditing), std::string(field) == "CDTIPODEST") << field;
    }
}

}  // namespace
}  // namespace krd52100::testing
