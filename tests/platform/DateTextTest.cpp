#include "DateTime.h"
#include "FormatSettings.h"
#include "SysUtils.h"
#include "Text.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTime, SerialNumbersMatchThePlatform) {
    EXPECT_EQ(EncodeDate(1899, 12, 30).Days(), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1).Days(), 2);
    EXPECT_EQ(EncodeDate(2000, 1, 1).Days(), 36526);
    EXPECT_EQ(EncodeDate(2024, 1, 1).Days(), 45292);
    int y, m, d;
    for (int serial : {-693593, -1, 0, 59, 60, 61, 36526, 45351, 2958465}) {
        DecodeDate(TDateTime(serial), y, m, d);
        EXPECT_EQ(EncodeDate(y, m, d).Days(), serial);
    }
}

TEST(DateTime, DayArithmeticCrossesMonthsAndYears) {
    int y, m, d;
    DecodeDate(EncodeDate(2023, 3, 1) - 1, y, m, d);
    EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(2023, 2, 28));
    DecodeDate(EncodeDate(2024, 3, 1) - 1, y, m, d);
    EXPECT_EQ(d, 29);
    DecodeDate(EncodeDate(2024, 12, 31) + 1, y, m, d);
    EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(2025, 1, 1));
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(2024, 13, 1), EConvertError);
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 1)), 6);  // a Friday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);
}

TEST(FormatDateTime, UsesTheGivenSettings) {
    TFormatSettings br = TFormatSettings::BrazilianPortuguese();
    TDateTime friday = EncodeDate(2024, 3, 1);
    EXPECT_EQ(FormatDateTime("ddd", friday, br), "sex");
    EXPECT_EQ(FormatDateTime("dddd", friday, br), "sexta-feira");
    EXPECT_EQ(FormatDateTime("ddddd", friday, br), "01/03/2024");
    EXPECT_EQ(FormatDateTime("d/m/yy 'de' mmmm", friday, br), "1/3/24 de março");
    EXPECT_EQ(DateToStr(friday, TFormatSettings::English()), "03/01/2024");
    TDateTime parsed;
    EXPECT_TRUE(TryStrToDate("29/02/2024", parsed, br));
    EXPECT_EQ(parsed, EncodeDate(2024, 2, 29));
    for (const char* bad : {"", "29/02/2023", "1/2", "01/02/2024/1", "aa/bb/cccc", "01-02-2024", "1/13/2024"})
        EXPECT_FALSE(TryStrToDate(bad, parsed, br)) << bad;
}

TEST(Text, Windows1252DecodesAccentsAndTheHighControls) {
    EXPECT_EQ(DecodeWindows1252("Ra\xE7\xE3o"), "Ração");
    EXPECT_EQ(DecodeWindows1252("\x80\x81\x9F"), "€\uFFFDŸ");
    EXPECT_EQ(EncodeWindows1252("Ração €"), "Ra\xE7\xE3o \x80");
    EXPECT_EQ(EncodeWindows1252("日"), "?");
}

TEST(Text, CaseFoldingKnowsLatin1) {
    EXPECT_EQ(AnsiUpperCase("ração"), "RAÇÃO");
    EXPECT_EQ(AnsiLowerCase("RAÇÃO É"), "ração é");
    EXPECT_TRUE(AnsiSameText("ção", "ÇÃO"));
    EXPECT_FALSE(AnsiSameText("cao", "ÇÃO"));
    EXPECT_EQ(FoldForMatch(" Almoço Ração "), " ALMOCO RACAO ");
    EXPECT_LT(AnsiCompareText("abc", "ABD"), 0);
    EXPECT_EQ(AnsiUpperCase(std::string("a\xC3", 2)), std::string("A\xC3", 2));  // broken byte kept
}

TEST(Text, CharacterCountsNeverSplitACharacter) {
    EXPECT_EQ(Utf8Length("Ração"), 5u);
    EXPECT_EQ(Utf8Left("Ração", 3), "Raç");
    EXPECT_EQ(Utf8Left("Ração", 99), "Ração");
    EXPECT_EQ(Utf8Right("Ração", 2), "ão");
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
}

}  // namespace
