// The grids of the loaded demo screen on Qt: the dish-type grid's check boxes, check-mark title
// and cell colours, and the services and diets grids' painting; a picture of each grid is kept
// for people to look at.
#include "DBGridModel.h"
#include "DBGridWidget.h"

#include "ClientWindowFixture.h"
#include "DishTypeScreen.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QImage>

#include <memory>

namespace krd52100::testing {
namespace {

class DBGridWidgetScreenTest : public DishTypeScreen {
protected:
    // Shows the grid focused in a window of its own, as the screen places it, and keeps a
    // picture of it.
    DBGridWidget& Show(TDBGrid& grid, const char* pictureName) {
        Focus(grid);
        window_ = std::make_unique<QWidget>();
        window_->resize(grid.Left() + grid.Width(), grid.Top() + grid.Height());
        auto* view = new DBGridWidget(grid, window_.get());
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QCoreApplication::processEvents();
        ClientWindowFixture::KeepPicture(*view, pictureName);
        return *view;
    }

    static int Count(const QImage& image, const QRect& area, const QColor& colour) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == colour;
        return count;
    }

    std::unique_ptr<QWidget> window_;
};

TEST_F(DBGridWidgetScreenTest, DishTypeGridShowsCheckBoxesOnTheScreensColours) {
    WorkOnTheGrid();
    TDBGrid& grid = Grid();
    DBGridWidget& view = Show(grid, "dish-type-grid.png");
    const int mark = 2;
    ASSERT_EQ(grid.Columns()[mark]->FieldName(), "IDIMPORTAR");
    EXPECT_EQ(view.model()->headerData(mark, Qt::Horizontal).toString(), QString(QChar(0x2714)));
    ASSERT_GT(view.model()->rowCount(), 1);

    QImage cells = view.viewport()->grab().toImage();
    QRect selected = view.visualRect(view.model()->index(0, grid.SelectedIndex()));
    QRect markCell = view.visualRect(view.model()->index(1, mark));
    EXPECT_EQ(Count(cells, cells.rect(), QColor(128, 128, 0)), 0) << "olive left in the check boxes";
    EXPECT_GT(Count(cells, markCell, QColor(Qt::black)), 0) << "no check box drawn";
    EXPECT_EQ(cells.pixelColor(markCell.topLeft() + QPoint(1, 1)), QColor(255, 255, 225));
    EXPECT_EQ(cells.pixelColor(selected.topLeft() + QPoint(1, 1)), QColor(10, 36, 106));
}

TEST_F(DBGridWidgetScreenTest, MarksChangeByDoubleClickAndTitleClickOnTheView) {
    WorkOnTheGrid();
    TDBGrid& grid = Grid();
    TField& mark = *Frm().cdsTipoPrat->FieldByName("IDIMPORTAR");
    DBGridWidget& view = Show(grid, "dish-type-grid.png");
    auto blackIn = [&](const QModelIndex& cell) {
        QImage cells = view.viewport()->grab().toImage();
        return Count(cells, view.visualRect(cell), QColor(Qt::black));
    };
    QModelIndex cell = view.model()->index(1, 2);
    ASSERT_EQ(mark.AsString(), "S");
    const int checked = blackIn(cell);

    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(cell).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(Frm().cdsTipoPrat->RecNo(), 2);
    EXPECT_EQ(mark.AsString(), "N");
    EXPECT_EQ(Frm().cdsTipoPrat->State(), dsBrowse);
    EXPECT_LT(blackIn(cell), checked) << "the check mark is still drawn";

    QHeaderView& titles = *view.horizontalHeader();
    QTest::mouseClick(titles.viewport(), Qt::LeftButton, {}, QPoint(titles.sectionViewportPosition(2) + 5, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(Frm().cdsTipoPrat->RecNo(), Frm().cdsTipoPrat->RecordCount()) << "the pass went through every row";
    EXPECT_EQ(mark.AsString(), "N");
}

TEST_F(DBGridWidgetScreenTest, ServicesAndDietsGridsShowTheirRows) {
    LoadAndOpen();
    DBGridWidget& services = Show(*Frm().dbgPadrao, "services-grid.png");
    EXPECT_EQ(services.model()->rowCount(), Frm().cdsServicos->RecordCount());
    ShowTab(Frm().tshDieta);
    DBGridWidget& diets = Show(*Frm().dbgDieta, "diets-grid.png");
    EXPECT_EQ(diets.model()->rowCount(), Frm().cdsDietas->RecordCount());
    EXPECT_EQ(diets.model()->headerData(1, Qt::Horizontal).toString(), "Dieta Destino");
}

} // namespace
} // namespace krd52100::testing
