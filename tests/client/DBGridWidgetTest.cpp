// The data grid on Qt: what it shows, and that every gesture on the view runs through the
// platform grid (cursor, column moves and their handlers, typing, buttons, titles, focus) and
// what the platform did comes back to the view.
#include "DBGridEditor.h"
#include "DBGridModel.h"
#include "DBGridWidget.h"
#include "GridFixture.h"

#include "SysUtils.h"
#include "TApplication.h"
#include "TBitmap.h"
#include "TClientDataSet.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TEdit.h"
#include "TForm.h"
#include "TIntegerField.h"
#include "TScriptedDialogs.h"
#include "TStringField.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTest>
#include <QToolButton>

namespace {

// The platform's grid fixture, in a smaller grid without the indicator column, shown in a
// window of its own.
class DBGridWidgetTest : public GridTest {
protected:
    DBGridWidgetTest() {
        grid.SetBounds(0, 0, 300, 120);
        grid.Columns()[1]->SetWidth(120);
        grid.SetOptions(grid.Options() - dgIndicator);
        window.resize(400, 300);
        widget = new DBGridWidget(grid, &window);
        window.show();
        QApplication::setActiveWindow(&window);
        Settle();
    }

    // A character without a key of its own, as a keyboard layout types it.
    static void TypeCharacter(QWidget* target, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
    }

    // Lets the view catch up with the platform, as the event loop does between gestures.
    static void Settle() { QCoreApplication::processEvents(); }

    QPoint CellCentre(int row, int column) const {
        return widget->visualRect(widget->model()->index(row, column)).center();
    }

    void ClickCell(int row, int column) {
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
        Settle();
    }

    QModelIndex Current() const { return widget->currentIndex(); }

    QWidget window;
    DBGridWidget* widget = nullptr;
};

TEST_F(DBGridWidgetTest, ShowsTheRowsTitlesAndWidthsOfThePlatformGrid) {
    QAbstractItemModel& model = *widget->model();
    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("Código"));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QString::fromUtf8("Almoço"));
    EXPECT_EQ(model.data(model.index(2, 2)).toString(), "30");
    // Widths at 96 dpi plus the column line; rows of the platform's height plus the row line.
    EXPECT_EQ(widget->columnWidth(1), 121);
    EXPECT_EQ(widget->rowHeight(0), grid.DefaultRowHeight + 1);
    EXPECT_EQ(widget->geometry(), QRect(0, 0, 300, 120));

    grid.Columns()[2]->SetVisible(false);
    grid.Columns()[0]->Title().SetCaption("Cód.");
    Settle();
    EXPECT_TRUE(widget->isColumnHidden(2));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("Cód."));
}

TEST_F(DBGridWidgetTest, ClicksMoveTheDatasetCursorAndTheColumnAndTheViewFollowsPlatformMoves) {
    ClickCell(2, 1);
    EXPECT_EQ(cds.RecNo(), 3);
    EXPECT_EQ(grid.SelectedIndex(), 1);
    EXPECT_EQ(Current(), widget->model()->index(2, 1));

    QTest::keyClick(widget, Qt::Key_Up);
    Settle();
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_EQ(Current().row(), 1);

    cds.First();
    grid.SetSelectedIndex(2);
    Settle();
    EXPECT_EQ(Current(), widget->model()->index(0, 2));
}

TEST_F(DBGridWidgetTest, AColumnExitThatAbortsKeepsTheColumn) {
    int exits = 0;
    grid.OnColExit = [&](TComponent*) {
        ++exits;
        Abort();
    };
    ClickCell(1, 2);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(grid.SelectedIndex(), 0);
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_EQ(Current(), widget->model()->index(1, 0));
}

TEST_F(DBGridWidgetTest, TypingOpensTheEditorAndEditsThroughThePlatform) {
    std::string pressed;
    grid.OnKeyPress = [&](TComponent*, char& key) { pressed += key; };
    grid.SetSelectedIndex(1);
    QTest::keyClicks(widget, "Ab");
    Settle();
    DBGridEditor& editor = widget->Editor();
    ASSERT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.text(), "Ab");
    EXPECT_TRUE(editor.hasFocus());
    EXPECT_EQ(pressed.back(), 'b');
    EXPECT_EQ(cds.State(), dsEdit);
    EXPECT_EQ(name->AsString(), "Almoço");  // the text stays in the editor until Enter

    TypeCharacter(&editor, QString::fromUtf8("ç"));
    QTest::keyClick(&editor, Qt::Key_Return);
    Settle();
    EXPECT_EQ(name->AsString(), "Abç");
    QTest::keyClick(widget, Qt::Key_Down);
    Settle();
    EXPECT_EQ(cds.State(), dsBrowse);
    cds.First();
    EXPECT_EQ(name->AsString(), "Abç");
}

TEST_F(DBGridWidgetTest, TypingThePlatformRefusesChangesNothing) {
    grid.SetSelectedIndex(1);
    source.AutoEdit = false;
    QTest::keyClicks(widget, "x");
    source.AutoEdit = true;
    grid.OnKeyPress = [](TComponent*, char& key) { key = '\0'; };
    QTest::keyClicks(widget, "y");
    Settle();
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(widget->Editor().text(), QString::fromUtf8("Almoço"));
    EXPECT_EQ(name->AsString(), "Almoço");
}

TEST_F(DBGridWidgetTest, CellHandlerPaintsIntoTheViewWithTheCellState) {
    // A 16 x 16 box on olive, with one black pixel in it.
    TBitmap check(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) check.SetPixel(x, y, x < 2 || y < 2 ? clOlive : clWhite);
    check.SetPixel(8, 8, clBlack);
    grid.OnDrawColumnCell = [&](TComponent*, const TRect& rect, int dataCol, TColumn*, TGridDrawState state) {
        TCanvas& canvas = grid.Canvas();
        canvas.Brush.Color = state.Contains(gdSelected) ? clRed : clInfoBk;
        canvas.FillRect(rect);
        if (dataCol == 2) canvas.BrushCopy(Bounds(rect.Left, rect.Top, 16, rect.Height()), check, Bounds(0, 0, 16, rect.Height()), clOlive);
    };
    grid.SetSelectedIndex(2);
    Settle();
    QImage image = widget->viewport()->grab().toImage();
    QPoint selected = widget->visualRect(widget->model()->index(0, 2)).topLeft();
    QPoint plain = widget->visualRect(widget->model()->index(1, 2)).topLeft();
    EXPECT_EQ(image.pixelColor(selected + QPoint(0, 0)), QColor(255, 0, 0));    // olive shows the brush
    EXPECT_EQ(image.pixelColor(selected + QPoint(8, 8)), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(selected + QPoint(20, 5)), QColor(255, 0, 0));   // the filled cell
    EXPECT_EQ(image.pixelColor(plain + QPoint(0, 0)), QColor(255, 255, 225));
    EXPECT_EQ(image.pixelColor(plain + QPoint(5, 5)), QColor(Qt::white));
    bool olive = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) olive |= image.pixelColor(x, y) == QColor(128, 128, 0);
    EXPECT_FALSE(olive);
}

TEST_F(DBGridWidgetTest, TheEllipsisButtonShowsWithTheEditorAndRunsTheEditButtonPath) {
    int clicks = 0;
    grid.OnEditButtonClick = [&](TComponent*) { ++clicks; };
    grid.Columns()[1]->SetButtonStyle(cbsEllipsis);
    QTest::keyClick(widget, Qt::Key_F2);
    Settle();
    EXPECT_FALSE(widget->Editor().ButtonShown());

    QTest::keyClick(&widget->Editor(), Qt::Key_Right);
    ClickCell(0, 1);
    QTest::keyClick(widget, Qt::Key_F2);
    Settle();
    ASSERT_TRUE(widget->Editor().isVisible());
    ASSERT_TRUE(widget->Editor().ButtonShown());
    QTest::mouseClick(&widget->Editor().Button(), Qt::LeftButton);
    Settle();
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(&widget->Editor(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(clicks, 2);
}

TEST_F(DBGridWidgetTest, TitleClicksAndDoubleClicksReachThePlatformGrid) {
    std::vector<int> titles;
    int doubleClicks = 0;
    grid.OnTitleClick = [&](TColumn* column) { titles.push_back(column->Index()); };
    grid.OnDblClick = [&](TComponent*) {
        ++doubleClicks;
        EXPECT_EQ(cds.RecNo(), 2);
    };
    QHeaderView* header = widget->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(1) + 10, 5));
    Settle();
    EXPECT_EQ(titles, std::vector<int>{1});
    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, CellCentre(1, 0));
    Settle();
    EXPECT_EQ(doubleClicks, 1);
    // Over the open editor the double click is still the grid's.
    QTest::keyClick(widget, Qt::Key_F2);
    Settle();
    ASSERT_TRUE(widget->Editor().isVisible());
    QTest::mouseDClick(&widget->Editor(), Qt::LeftButton, {}, QPoint(5, 5));
    Settle();
    EXPECT_EQ(doubleClicks, 2);
}

TEST_F(DBGridWidgetTest, FocusArrivingFromQtGoesThroughThePlatform) {
    int enters = 0;
    grid.OnEnter = [&](TComponent*) { ++enters; };
    Application->Focus(other);
    Settle();
    widget->clearFocus();
    widget->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(grid.Focused());

    // An entry the platform refuses leaves the platform's focus where the handler put it.
    Application->Focus(other);
    grid.OnEnter = [&](TComponent*) { other.SetFocus(); };
    widget->clearFocus();
    widget->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_TRUE(other.Focused());
}

TEST_F(DBGridWidgetTest, DisabledControlsKeepTheViewOnTheLastShapeUntilEnabled) {
    cds.DisableControls();
    cds.Append();
    code->SetAsString("04");
    cds.Post();
    qty->SetVisible(false);
    grid.Columns().Clear();  // back to one column per visible field: two
    widget->Synchronize();
    EXPECT_EQ(widget->model()->rowCount(), 3);
    EXPECT_EQ(widget->model()->columnCount(), 3);
    cds.EnableControls();
    Settle();
    EXPECT_EQ(widget->model()->rowCount(), 4);
    EXPECT_EQ(widget->model()->columnCount(), 2);
    EXPECT_EQ(Current().row(), 3);
}

TEST_F(DBGridWidgetTest, TheViewLetsGoOfAGridThatIsDestroyed) {
    auto owned = std::make_unique<TDBGrid>(&form);
    owned->SetParent(&form);
    owned->SetDataSource(&source);
    DBGridWidget view(*owned, nullptr);
    owned.reset();
    EXPECT_EQ(view.Grid(), nullptr);
    Settle();
    EXPECT_EQ(view.model(), nullptr);
}

} // namespace
