#include "TextRoutines.h"

#include <gtest/gtest.h>

namespace {

TEST(Ajusta, BringsCodesToTheStoredForm) {
    struct Case {
        const char* code;
        int width;
        const char* stored;
    } cases[] = {
        {"1", 4, "0001"},        {"0001", 4, "0001"},   {" 12 ", 5, "00012"}, {"\t7\n", 2, "07"},
        {"", 4, ""},             {"   ", 4, ""},        {"123456", 5, "123456"}, {"100", 2, "100"},
        {"ab", 4, "ab"},         {" a1 ", 4, "a1"},     {"1 2", 4, "1 2"},    {"-1", 4, "-1"},
        {"0", 1, "0"},           {"5", 0, "5"},
    };
    for (const auto& c : cases) EXPECT_EQ(Ajusta(c.code, c.width), c.stored) << "'" << c.code << "' width " << c.width;
}

TEST(Ajusta, KeepsSequenceNumbersAboveTheWidthApart) {
    // Keys of width 2 built from sequence numbers must not collide once numbers pass 99.
    EXPECT_NE(Ajusta("100", 2), Ajusta("0", 2));
    EXPECT_NE(Ajusta("101", 2), Ajusta("1", 2));
}

TEST(TextRoutines, BlankTextIsEmptyAndTrimmed) {
    EXPECT_TRUE(EmptyString(""));
    EXPECT_TRUE(EmptyString(" \t\r\n "));
    EXPECT_FALSE(EmptyString(" x "));
    EXPECT_EQ(AllTrim("  Filial 1  "), "Filial 1");
    EXPECT_EQ(AllTrim(" \t "), "");
}

TEST(TextRoutines, RightCountsCharactersNotBytes) {
    EXPECT_EQ(Right("KRD52100", 3), "100");
    EXPECT_EQ(Right("ação", 3), "ção");
    EXPECT_EQ(Right("ab", 5), "ab");
    EXPECT_EQ(Right("ab", 0), "");
    EXPECT_EQ(Right("ab", -2), "");
}

}  // namespace
