#include "PeriodRule.h"

#include <gtest/gtest.h>

namespace appserver {
namespace {

TEST(PeriodRuleTest, DecidesAgainstTheSpanOfEarlierImports) {
    const TDateTime F = EncodeDate(2025, 3, 1), L = EncodeDate(2025, 3, 31);
    struct Case {
        TDateTime start, end;
        const char* status;  // nullptr: accepted
        TDateTime boundary;
    } cases[] = {
        {EncodeDate(2025, 2, 1), EncodeDate(2025, 2, 28), nullptr, {}},        // wholly before
        {EncodeDate(2025, 4, 1), EncodeDate(2025, 4, 30), nullptr, {}},        // wholly after
        {EncodeDate(2025, 2, 20), EncodeDate(2025, 3, 1), "ERRO_INTERVALO_INI", F},  // ends on F
        {EncodeDate(2025, 2, 20), EncodeDate(2025, 4, 10), "ERRO_INTERVALO_INI", F}, // covers the span
        {F, EncodeDate(2025, 3, 7), "ERRO_INTERVALO_FIN", L},                   // starts on F
        {EncodeDate(2025, 3, 10), EncodeDate(2025, 4, 10), "ERRO_INTERVALO_FIN", L},
        {L, L, "ERRO_INTERVALO_FIN", L},                                        // starts on L
    };
    for (const auto& c : cases) {
        const auto conflict = PeriodRule::Decide(F, L, c.start, c.end);
        if (!c.status) {
            EXPECT_FALSE(conflict.has_value()) << c.start.Value;
            continue;
        }
        ASSERT_TRUE(conflict.has_value()) << c.start.Value;
        EXPECT_EQ(conflict->status, c.status) << c.start.Value;
        EXPECT_EQ(conflict->boundary, c.boundary) << c.start.Value;
    }
    EXPECT_FALSE(PeriodRule::Decide(std::nullopt, std::nullopt, F, L).has_value());
}

}  // namespace
}  // namespace appserver
