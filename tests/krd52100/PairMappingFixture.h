#pragma once
// The screen with the demo file loaded into the branch that registers everything under codes of
// its own, for the tests of the service and diet mappings. The load proposes five service pairs
// (origin -> destination): 00001 -> 00071, 00002 -> 00052, 00003 -> 00038 (hospital), 00010 ->
// 00060, 00011 -> 00047 (staff restaurant), destination names in capitals without accents. Their
// diets are paired by name: hospital 0001 Livre -> 0031, 0002 Branda -> 0017, 0003 Pastosa ->
// 0042, 0004 Líquida -> 0024, 0005 Hipossódica -> 0058, 0006 Diabética -> 0063; staff 0001 Normal
// -> 0015, 0002 Vegetariana -> 0029; destination names in capitals. The registers hold what those
// proposed rows take. The load leaves the focus on the services grid.
#include "ScreenFixture.h"

#include "ControlRoutines.h"
#include "TApplication.h"
#include "TClientDataSet.h"
#include "TCustomPageControl98.h"
#include "TDBGrid.h"
#include "TField.h"
#include "TTabSheet98.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace krd52100::testing {

class PairMappingFixture : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        OpenScreen();
        LoadDemoFileIntoDestination();
        ASSERT_EQ(Frm().cdsServicos->RecordCount(), 5) << "the demo load did not happen";
        ASSERT_TRUE(Messages().empty());
        ASSERT_EQ(Frm().ActiveControl(), Frm().dbgPadrao);
    }

    // Runs code as one user action (EAbort ends it silently, as for a gesture).
    void Perform(const std::function<void()>& action) { Application->Perform(action); }

    static std::string Value(TDataSet& dataSet, const char* field) { return dataSet.FieldByName(field)->AsString(); }
    static void Set(TDataSet& dataSet, const char* field, const std::string& value) {
        dataSet.FieldByName(field)->SetAsString(value);
    }

    // Makes the pair of that origin service the current service row, as scrolling does.
    void GoToPair(const std::string& origin) {
        bool found = false;
        Perform([&] { found = Frm().cdsServicos->Locate("CDSERVFILIORIG", Variant(origin)); });
        ASSERT_TRUE(found) << origin;
    }

    // Shows the diet tab and makes the pair of that origin current, so that the diet grid holds
    // that pair's rows; the focus goes to the diet grid.
    void WorkOnDietsOf(const std::string& origin) {
        Perform([&] { Frm().pgcPadrao->ClickTab(Frm().tshDieta); });
        ASSERT_EQ(Frm().pgcPadrao->ActivePage(), Frm().tshDieta);
        GoToPair(origin);
        Focus(*Frm().dbgDieta);
    }

    // Moves the grid to the column of that field, as clicking its title cell does.
    void SelectColumn(TDBGrid& grid, const char* field) {
        Perform([&] { grid.SetSelectedIndex(IndiceCol(&grid, field)); });
    }

    // Puts the diet grid on a new row of the current pair (the Insert key).
    void InsertDietRow() { PressKey(VK_INSERT); }

    // Types a code into a column of the focused grid and leaves the column with Tab (Shift+Tab
    // from the last column), so that the column's check runs.
    void TypeIntoColumn(TDBGrid& grid, const char* field, const std::string& code) {
        SelectColumn(grid, field);
        TypeText(code);
        const bool last = IndiceCol(&grid, field) == grid.Columns().Count() - 1;
        PressKey(VK_TAB, last ? TShiftState{ssShift} : TShiftState{});
    }

    // The texts the grid's paint handler wrote at the handler's text origin (3 pixels inside the
    // cell) in the column of `field`, one per row shown, top to bottom.
    std::vector<std::string> PaintedTexts(TDBGrid& grid, const char* field) {
        grid.Paint();
        const int column = IndiceCol(&grid, field);
        std::vector<std::string> texts;
        const int rows = std::min(grid.DataSet()->DisplayRowCount(), grid.VisibleRowCount());
        for (int row = 0; row < rows; ++row) {
            const TRect cell = grid.CellRect(column, row);
            for (const TCanvasRecord& record : grid.OwnCanvas().Records()) {
                if (record.Operation == CanvasOperation::TextRect && record.Point.X == cell.Left + 3 &&
                    record.Point.Y == cell.Top + 3 && record.Rect.Top == cell.Top)
                    texts.push_back(record.Text);
            }
        }
        return texts;
    }
};

}  // namespace krd52100::testing
