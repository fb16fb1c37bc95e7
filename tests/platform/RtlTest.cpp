#include "Format.h"
#include "SysUtils.h"
#include "TStringList.h"

#include <gtest/gtest.h>

namespace {

TEST(Format, FillsTextAndIntegers) {
    EXPECT_EQ(Format("Serviço %s não cadastrado.", {"00001"}), "Serviço 00001 não cadastrado.");
    EXPECT_EQ(Format("%s até %s", {"01/03/2024", "28/02/2024"}), "01/03/2024 até 28/02/2024");
    EXPECT_EQ(Format("[%5s][%-4s][%.2s][%d%%]", {"ab", "ç", "ração", 7}), "[   ab][ç   ][ra][7%]");
}

TEST(Format, MismatchesRaiseConvertError) {
    EXPECT_THROW(Format("%s %s", {"one"}), EConvertError);
    EXPECT_THROW(Format("%d", {"text"}), EConvertError);
    EXPECT_THROW(Format("%x", {1}), EConvertError);
    EXPECT_THROW(Format("trailing %", {}), EConvertError);
}

TEST(TStringList, SortedFindBisectsAndGivesTheInsertionPoint) {
    TStringList list;
    list.SetSorted(true);
    for (const char* key : {"02AB", "01ZZ", "10AA", "01AA", "02ab"}) list.Add(key);
    EXPECT_EQ(list.Count(), 4);  // "02ab" is a duplicate of "02AB" when case is ignored
    int index = -1;
    EXPECT_TRUE(list.Find("01zz", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("05", index));
    EXPECT_EQ(index, 3);
    EXPECT_THROW(list.Insert(0, "x"), EStringListError);
    list.Duplicates = TDuplicates::dupError;
    EXPECT_THROW(list.Add("10aa"), EStringListError);
    list.CaseSensitive = true;
    list.Clear();
    list.Add("b");
    list.Add("B");
    EXPECT_EQ(list[0], "B");
}

}  // namespace
