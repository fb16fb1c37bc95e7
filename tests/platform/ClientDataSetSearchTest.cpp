// Index order, Locate and FindKey: the look-ups the screen's registers and mapping tables use.
#include "DataSetTrace.h"
#include "SysUtils.h"
#include "TIntegerField.h"

#include <gtest/gtest.h>

namespace {

// The dish-type register's shape: service, sequence, code, name.
struct DishTypes {
    TClientDataSet cds;
    TStringField* serv = cds.AddStringField("CDSERVFILI", 5);
    TIntegerField* seq = cds.AddIntegerField("NRSEQ");
    TStringField* code = cds.AddStringField("CDTIPOPRAT", 2);
    TStringField* name = cds.AddStringField("NMTIPOPRAT", 15);

    DishTypes() {
        cds.IndexDefs().Add("BYSEQ", "CDSERVFILI;NRSEQ;CDTIPOPRAT");
        cds.IndexDefs().Add("BYNAME", "NMTIPOPRAT", ixCaseInsensitive);
        cds.IndexDefs().Add("BYNAMEDESC", "NMTIPOPRAT", ixDescending);
        cds.CreateDataSet();
    }

    void Add(const char* service, Variant sequence, const char* typeCode, const char* typeName) {
        cds.Append();
        serv->SetAsString(service);
        seq->SetValue(sequence);
        code->SetAsString(typeCode);
        name->SetAsString(typeName);
        cds.Post();
    }

    std::vector<std::string> Names() {
        std::vector<std::string> result;
        for (int row = 0; row < cds.DisplayRowCount(); ++row) {
            TDataSet::RowScope scope(cds, row);
            result.push_back(name->AsString());
        }
        return result;
    }
};

using Names = std::vector<std::string>;

void Fill(DishTypes& d) {
    d.Add("00002", 1, "01", "Sopa");
    d.Add("00001", 2, "02", "Ração");
    d.Add("00001", 1, "03", "Prato");
    d.Add("00001", Variant(), "04", "sem ordem");
    d.Add("00001", 1, "01", "ração");
    d.Add("00001", 1, "03", "Prato bis");
}

TEST(ClientDataSetIndex, OrdersByTheActiveIndexWithNullsFirstAndTiesInInsertionOrder) {
    DishTypes d;
    Fill(d);
    EXPECT_EQ(d.Names(), (Names{"Sopa", "Ração", "Prato", "sem ordem", "ração", "Prato bis"}));
    d.cds.SetIndexName("BYSEQ");
    EXPECT_EQ(d.Names(), (Names{"sem ordem", "ração", "Prato", "Prato bis", "Ração", "Sopa"}));
    d.cds.SetIndexName("BYNAMEDESC");
    EXPECT_EQ(d.Names(), (Names{"Sopa", "sem ordem", "ração", "Ração", "Prato bis", "Prato"}));
    d.cds.SetIndexName("");
    EXPECT_EQ(d.Names(), (Names{"Sopa", "Ração", "Prato", "sem ordem", "ração", "Prato bis"}));
}

TEST(ClientDataSetIndex, IndexSwitchKeepsTheCurrentRecordWithoutScrollEvents) {
    DishTypes d;
    Fill(d);
    d.cds.Locate("NMTIPOPRAT", "Prato bis");
    int scrolls = 0;
    d.cds.AfterScroll = [&](TDataSet*) { ++scrolls; };
    d.cds.SetIndexName("BYSEQ");
    EXPECT_EQ(d.name->AsString(), "Prato bis");
    EXPECT_EQ(d.cds.RecNo(), 4);
    d.cds.SetIndexFieldNames("CDTIPOPRAT;NMTIPOPRAT");
    EXPECT_EQ(d.cds.IndexName(), "");
    EXPECT_EQ(d.name->AsString(), "Prato bis");
    EXPECT_EQ(scrolls, 0);
    EXPECT_THROW(d.cds.SetIndexName("NOSUCH"), EDatabaseError);
    EXPECT_EQ(d.cds.IndexFieldNames(), "CDTIPOPRAT;NMTIPOPRAT");
}

TEST(ClientDataSetIndex, PostedRecordTakesItsSortedPlaceAndStaysCurrent) {
    DishTypes d;
    Fill(d);
    d.cds.SetIndexName("BYSEQ");
    d.cds.First();
    d.cds.Insert();
    d.serv->SetAsString("00001");
    d.seq->SetAsInteger(1);
    d.code->SetAsString("02");
    d.name->SetAsString("novo");
    EXPECT_EQ(d.cds.CurrentDisplayRow(), 0);  // shown where it was inserted until posted
    d.cds.Post();
    EXPECT_EQ(d.name->AsString(), "novo");
    EXPECT_EQ(d.cds.RecNo(), 3);
    d.cds.Edit();
    d.serv->SetAsString("00003");
    d.cds.Post();
    EXPECT_EQ(d.cds.RecNo(), 7);
}

TEST(ClientDataSetIndex, InsertWithoutIndexStaysBeforeTheCurrentRecord) {
    DishTypes d;
    Fill(d);
    d.cds.First();
    d.cds.Next();
    d.cds.Insert();
    d.name->SetAsString("antes");
    d.cds.Post();
    EXPECT_EQ(d.Names()[1], "antes");
    EXPECT_EQ(d.cds.RecNo(), 2);
}

// Index keys longer than the bytes the dataset folds for its quick comparisons, and numbers of
// both signs: order and look-ups must follow the values wherever those bytes end.
TEST(ClientDataSetIndex, LongKeysAndSignedNumbersOrderAndFindByTheirValues) {
    DishTypes d;
    d.cds.IndexDefs().Add("SEQDESC", "NRSEQ", ixDescending);
    for (auto [code, seq] : {std::pair{"09", 5}, {"02", -3}, {"09", -7}, {"02", 0}, {"01", -1}})
        d.Add("00001", seq, code, "Tipo de prato l");
    auto sequences = [&] {
        std::vector<int> result;
        for (int row = 0; row < d.cds.DisplayRowCount(); ++row) {
            TDataSet::RowScope scope(d.cds, row);
            result.push_back(d.seq->AsInteger());
        }
        return result;
    };
    // The service and the whole name fill the folded bytes; code and sequence lie beyond them.
    d.cds.SetIndexFieldNames("CDSERVFILI;NMTIPOPRAT;CDTIPOPRAT;NRSEQ");
    EXPECT_EQ(sequences(), (std::vector<int>{-1, -3, 0, -7, 5}));
    EXPECT_TRUE(d.cds.FindKey({"00001", "Tipo de prato l", "09", -7}));
    EXPECT_EQ(d.seq->AsInteger(), -7);
    EXPECT_FALSE(d.cds.FindKey({"00001", "Tipo de prato l", "09", 7}));
    EXPECT_TRUE(d.cds.Locate("CDSERVFILI;NMTIPOPRAT;CDTIPOPRAT", VarArrayOf({"00001", "TIPO DE PRATO L", "02"}),
                             loCaseInsensitive));
    EXPECT_EQ(d.seq->AsInteger(), -3);
    d.cds.SetIndexFieldNames("NRSEQ");
    EXPECT_EQ(sequences(), (std::vector<int>{-7, -3, -1, 0, 5}));
    d.cds.SetIndexName("SEQDESC");
    EXPECT_EQ(sequences(), (std::vector<int>{5, 0, -1, -3, -7}));
    EXPECT_TRUE(d.cds.FindKey({-3}));
    EXPECT_EQ(d.code->AsString(), "02");
}

TEST(ClientDataSetSearch, FindKeyOnACaseSensitiveIndexTellsTheCaseOfPlainText) {
    DishTypes d;
    Fill(d);
    d.cds.SetIndexFieldNames("NMTIPOPRAT;CDSERVFILI");
    EXPECT_FALSE(d.cds.FindKey({"PRATO", "00001"}));
    EXPECT_TRUE(d.cds.FindKey({"Prato", "00001"}));
    EXPECT_EQ(d.code->AsString(), "03");
}

struct LocateCase {
    const char* name;
    const char* fields;
    Variant keys;
    TLocateOptions options;
    const char* index;
    const char* filter;
    const char* expected;  // nullptr: not found
};

class LocateFinds : public ::testing::TestWithParam<LocateCase> {};

TEST_P(LocateFinds, TheFirstMatchInViewOrder) {
    const LocateCase& c = GetParam();
    DishTypes d;
    Fill(d);
    d.cds.SetIndexName(c.index);
    d.cds.SetFilter(c.filter);
    d.cds.SetFiltered(true);
    d.cds.Last();
    bool found = d.cds.Locate(c.fields, c.keys, c.options);
    EXPECT_EQ(found, c.expected != nullptr);
    if (c.expected) {
        EXPECT_EQ(d.name->AsString(), c.expected);
    } else {
        EXPECT_TRUE(d.cds.Eof());  // a miss leaves the cursor where it was
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LocateFinds,
    ::testing::Values(
        LocateCase{"AccentedCaseInsensitive", "NMTIPOPRAT", "RAÇÃO", loCaseInsensitive, "", "", "Ração"},
        LocateCase{"AccentedCaseSensitiveMisses", "NMTIPOPRAT", "RAÇÃO", 0, "", "", nullptr},
        LocateCase{"AccentedOnCaseInsensitiveIndex", "NMTIPOPRAT", "RAÇÃO", loCaseInsensitive, "BYNAME", "", "Ração"},
        LocateCase{"ExactOnCaseInsensitiveIndex", "NMTIPOPRAT", "ração", 0, "BYNAME", "", "ração"},
        LocateCase{"ExactOnDescendingIndex", "NMTIPOPRAT", "ração", 0, "BYNAMEDESC", "", "ração"},
        LocateCase{"CaseInsensitiveOnDescendingIndex", "NMTIPOPRAT", "PRATO BIS", loCaseInsensitive, "BYNAMEDESC", "",
                   "Prato bis"},
        LocateCase{"TwoFields", "CDSERVFILI;CDTIPOPRAT", VarArrayOf({"00001", "03"}), 0, "", "", "Prato"},
        LocateCase{"TwoFieldsOnIndex", "CDSERVFILI;CDTIPOPRAT", VarArrayOf({"00001", "03"}), 0, "BYSEQ", "", "Prato"},
        LocateCase{"ThreeFieldsWithInteger", "CDSERVFILI;NRSEQ;CDTIPOPRAT", VarArrayOf({"00001", 1, "01"}),
                   loCaseInsensitive, "BYSEQ", "", "ração"},
        LocateCase{"IntegerKeyAsText", "CDSERVFILI;NRSEQ;CDTIPOPRAT", VarArrayOf({"00001", "2", "02"}), 0, "BYSEQ",
                   "", "Ração"},
        LocateCase{"NullKeyMatchesNull", "CDSERVFILI;NRSEQ", VarArrayOf({"00001", Variant()}), 0, "BYSEQ", "",
                   "sem ordem"},
        LocateCase{"FieldOrderDiffersFromIndex", "CDTIPOPRAT;CDSERVFILI", VarArrayOf({"01", "00002"}), 0, "BYSEQ", "",
                   "Sopa"},
        LocateCase{"PartialKey", "NMTIPOPRAT", "PRATO B", loCaseInsensitive | loPartialKey, "BYNAME", "", "Prato bis"},
        LocateCase{"PartialKeyCaseSensitive", "NMTIPOPRAT", "Pra", loPartialKey, "", "", "Prato"},
        LocateCase{"LongerKeyIsNotCut", "CDTIPOPRAT", "011", 0, "", "", nullptr},
        LocateCase{"RespectsTheFilter", "NMTIPOPRAT", "Sopa", 0, "BYSEQ", "CDSERVFILI = '00001'", nullptr},
        LocateCase{"FirstInViewOrderUnderFilter", "CDSERVFILI", "00001", 0, "BYSEQ", "NRSEQ = 1", "ração"}),
    [](const ::testing::TestParamInfo<LocateCase>& info) { return std::string(info.param.name); });

TEST(ClientDataSetSearch, LocateRefusesUnknownFieldsAndCountMismatch) {
    DishTypes d;
    Fill(d);
    EXPECT_THROW(d.cds.Locate("NOSUCH", "x"), EDatabaseError);
    EXPECT_THROW(d.cds.Locate("CDSERVFILI;CDTIPOPRAT", "x"), EDatabaseError);
}

TEST(ClientDataSetSearch, LocateResolvesARenamedFieldByItsNewName) {
    DishTypes d;
    Fill(d);
    ASSERT_TRUE(d.cds.Locate("NMTIPOPRAT", "Sopa"));
    d.name->SetFieldName("NOME");
    EXPECT_THROW(d.cds.Locate("NMTIPOPRAT", "Sopa"), EDatabaseError);
    EXPECT_TRUE(d.cds.Locate("NOME", "Prato"));
    EXPECT_EQ(d.code->AsString(), "03");
}

TEST(ClientDataSetSearch, LocateOnEmptyDataSetIsAMiss) {
    DishTypes d;
    EXPECT_FALSE(d.cds.Locate("CDTIPOPRAT", "01", loCaseInsensitive));
}

TEST(ClientDataSetSearch, FindKeyUsesTheActiveIndexAfterASwitch) {
    DishTypes d;
    Fill(d);
    EXPECT_THROW(d.cds.FindKey({"00001"}), EDatabaseError);
    d.cds.SetIndexName("BYSEQ");
    EXPECT_TRUE(d.cds.FindKey({"00001", 1, "03"}));
    EXPECT_EQ(d.name->AsString(), "Prato");
    EXPECT_FALSE(d.cds.FindKey({"00001", 3, "03"}));
    EXPECT_EQ(d.name->AsString(), "Prato");
    EXPECT_TRUE(d.cds.FindKey({"00002"}));  // fewer values: the leading fields
    EXPECT_EQ(d.name->AsString(), "Sopa");
    d.cds.SetIndexName("BYNAME");
    EXPECT_TRUE(d.cds.FindKey({"RAÇÃO"}));  // the index is case-insensitive
    EXPECT_EQ(d.name->AsString(), "Ração");
    d.cds.SetIndexFieldNames("NMTIPOPRAT");
    EXPECT_FALSE(d.cds.FindKey({"RAÇÃO"}));  // field-name indexes are case-sensitive
    EXPECT_TRUE(d.cds.FindKey({"ração"}));
    EXPECT_EQ(d.name->AsString(), "ração");
}

// Look-ups bisect a sample of the view first: deletes and inserts that shift every position
// must not leave a look-up reading where the records were.
TEST(ClientDataSetSearch, FindKeyFindsEveryRecordAfterTheViewShifts) {
    DishTypes d;
    d.cds.SetIndexFieldNames("NRSEQ");
    for (int i = 0; i < 100; ++i) d.Add("00001", i, "01", "n");
    auto foundFrom20To99 = [&] {
        int found = 0;
        for (int i = 20; i < 100; ++i) found += d.cds.FindKey({i}) && d.seq->AsInteger() == i;
        return found;
    };
    for (int round = 0; round < 13; ++round) EXPECT_EQ(foundFrom20To99(), 80);  // often enough to be sampled
    for (int i = 0; i < 20; ++i) {
        d.cds.First();
        d.cds.Delete();
    }
    EXPECT_EQ(foundFrom20To99(), 80);
    for (int i = 1; i <= 40; ++i) d.Add("00001", -i, "01", "n");
    EXPECT_EQ(foundFrom20To99(), 80);
}

// Runs of three names equal but for case ("N1007", "n1007", "n1007"), in a view large and searched
// often enough to be sampled: every run, wherever it falls in the sample, is found at its first
// entry, or at its second where case matters.
TEST(ClientDataSetSearch, LookUpsFindTheRightEntryOfEveryRunOfALargeView) {
    DishTypes d;
    d.cds.SetIndexName("BYNAME");
    constexpr int kRuns = 233;
    auto name = [](int run, const char* suffix = "") { return "n" + std::to_string(1000 + run) + suffix; };
    for (int i = 0; i < 3 * kRuns; ++i) {
        std::string text = name(i / 3);
        if (i % 3 == 0) text[0] = 'N';
        d.Add("00001", i, "01", text.c_str());
    }
    auto lookUp = [&](auto find) {
        int right = 0;
        for (int run = 0; run < kRuns; ++run) right += find(run);
        return right;
    };
    auto at = [&](int sequence) { return d.seq->AsInteger() == sequence; };
    for (int pass = 0; pass < 3; ++pass) {
        EXPECT_EQ(lookUp([&](int run) { return d.cds.FindKey({name(run)}) && at(3 * run); }), kRuns);
        EXPECT_EQ(lookUp([&](int run) { return d.cds.Locate("NMTIPOPRAT", name(run), 0) && at(3 * run + 1); }), kRuns);
        EXPECT_EQ(lookUp([&](int run) { return !d.cds.Locate("NMTIPOPRAT", name(run, "a"), loCaseInsensitive); }),
                  kRuns);
    }
}

TEST(ClientDataSetSearch, FindKeyAfterDeletesAndInsertsSeesTheCurrentRecords) {
    DishTypes d;
    d.cds.SetIndexName("BYSEQ");
    for (int i = 0; i < 50; ++i) d.Add(i % 2 ? "00001" : "00002", i, "01", ("n" + std::to_string(i)).c_str());
    ASSERT_TRUE(d.cds.FindKey({"00001", 17, "01"}));
    d.cds.Delete();
    EXPECT_FALSE(d.cds.FindKey({"00001", 17, "01"}));
    EXPECT_EQ(d.name->AsString(), "n19");
    d.Add("00001", 17, "01", "again");
    d.cds.First();
    EXPECT_TRUE(d.cds.FindKey({"00001", 17, "01"}));
    EXPECT_EQ(d.name->AsString(), "again");
}

} // namespace
