// The record navigator moves its data source's dataset, and nothing at all without one.
#include "TClientDataSet.h"
#include "TDBNavigator.h"
#include "TDataSource.h"
#include "TField.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class DBNavigatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        table.AddIntegerField("N");
        table.CreateDataSet();
        for (int n = 1; n <= 3; ++n) {
            table.Append();
            table.FieldByName("N")->SetAsInteger(n);
            table.Post();
        }
        table.First();
        source.SetDataSet(&table);
        table.AfterScroll = [this](TDataSet*) { ++scrolls; };
    }

    int Current() { return table.FieldByName("N")->AsInteger(); }

    TComponent owner;
    TClientDataSet table{&owner};
    TDataSource source{&owner};
    TDBNavigator navigator{&owner};
    int scrolls = 0;
};

TEST_F(DBNavigatorTest, ButtonsMoveTheDataSourcesDataset) {
    navigator.DataSource = &source;
    const struct {
        TNavigateBtn button;
        int expected;
    } presses[] = {{nbLast, 3}, {nbPrior, 2}, {nbFirst, 1}, {nbNext, 2}};
    for (const auto& press : presses) {
        navigator.BtnClick(press.button);
        EXPECT_EQ(Current(), press.expected);
    }
    EXPECT_EQ(scrolls, 4);
}

TEST_F(DBNavigatorTest, InertWithoutDataSourceWhenDisabledOrForAHiddenButton) {
    navigator.BtnClick(nbLast);
    navigator.DataSource = &source;
    navigator.VisibleButtons = {nbFirst};
    navigator.BtnClick(nbLast);
    navigator.VisibleButtons = {nbLast};
    navigator.SetEnabled(false);
    navigator.BtnClick(nbLast);
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(scrolls, 0);
}

}  // namespace
