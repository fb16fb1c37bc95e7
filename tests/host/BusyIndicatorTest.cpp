#include "CountingBusyIndicator.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// How the screens use the indicator around a server call: started, and stopped on every path.
void CallWithAnimation(bool fail) {
    ActiveShowAvi(nullptr, 6, "Importando...");
    try {
        if (fail) throw std::runtime_error("server down");
    } catch (...) {
        DeactiveShowAvi(nullptr);
        throw;
    }
    DeactiveShowAvi(nullptr);
}

TEST(BusyIndicator, CountsStartsAndStopsOnSuccessAndFailure) {
    CountingBusyIndicator busy;
    CallWithAnimation(false);
    EXPECT_THROW(CallWithAnimation(true), std::runtime_error);
    EXPECT_EQ(busy.Starts(), 2);
    EXPECT_TRUE(busy.Balanced());
    EXPECT_EQ(busy.LastKind(), 6);
    EXPECT_EQ(busy.LastText(), "Importando...");
}

TEST(BusyIndicator, NestedStartsShowUntilTheLastStopAndStrayStopsAreCaught) {
    CountingBusyIndicator busy;
    ActiveShowAvi(nullptr, 6);
    ActiveShowAvi(nullptr, 6);
    DeactiveShowAvi(nullptr);
    EXPECT_EQ(busy.Showing(), 1);
    EXPECT_FALSE(busy.Balanced());
    DeactiveShowAvi(nullptr);
    EXPECT_TRUE(busy.Balanced());
    DeactiveShowAvi(nullptr);
    EXPECT_EQ(busy.StrayStops(), 1);
    EXPECT_FALSE(busy.Balanced());
}

TEST(BusyIndicator, InstallationIsScopedAndNoIndicatorIsHarmless) {
    ActiveShowAvi(nullptr, 6);  // nothing installed: nothing happens
    DeactiveShowAvi(nullptr);
    CountingBusyIndicator outer;
    {
        CountingBusyIndicator inner;
        ActiveShowAvi(nullptr, 6);
        EXPECT_EQ(inner.Starts(), 1);
    }
    ActiveShowAvi(nullptr, 6);
    EXPECT_EQ(outer.Starts(), 1);
}

}  // namespace
