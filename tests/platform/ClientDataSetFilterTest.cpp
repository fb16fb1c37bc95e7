// Filter texts as the screen builds them, the expression syntax, and how filtering meets
// editing and navigation.
#include "DataSetTrace.h"
#include "FilterExpression.h"
#include "SysUtils.h"
#include "TIntegerField.h"

#include <gtest/gtest.h>

using testing_support::Trace;

namespace {

// The diet mapping's shape: service pair and diet codes.
struct PairSet {
    std::unique_ptr<TComponent> owner = std::make_unique<TComponent>();
    TClientDataSet* cds = new TClientDataSet(owner.get());
    TDataSource* dts = new TDataSource(owner.get());
    TStringField* orig = cds->AddStringField("CDSERVORIG", 5);
    TStringField* diet = cds->AddStringField("CDDIETORIG", 4);
    TStringField* dest = cds->AddStringField("CDSERVDEST", 5);

    PairSet() {
        dts->SetDataSet(cds);
        DataPacket packet;
        packet.Fields = {FieldDef{"CDSERVORIG", FieldType::String, 5}, FieldDef{"CDDIETORIG", FieldType::String, 4},
                         FieldDef{"CDSERVDEST", FieldType::String, 5}};
        packet.AddRow({"00001", "0001", "00010"});
        packet.AddRow({"00001", "0002", "00020"});
        packet.AddRow({"00002", "0001", "00010"});
        packet.AddRow({"O'1", "0003", "00010"});
        packet.AddRow({"00001", "0004", Variant()});
        packet.AddRow({"abc", "0005", "00010"});
        cds->SetData(packet);
    }

    std::vector<std::string> Diets() {
        std::vector<std::string> result;
        for (int row = 0; row < cds->DisplayRowCount(); ++row) {
            TDataSet::RowScope scope(*cds, row);
            result.push_back(diet->AsString());
        }
        return result;
    }

    void FilterBy(const std::string& text, TFilterOptions options = 0) {
        cds->SetFilterOptions(options);
        cds->SetFilter(text);
        cds->SetFiltered(true);
    }
};

using Diets = std::vector<std::string>;

std::string Repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

std::string InParentheses(int levels, const std::string& text) {
    return Repeated("(", levels) + text + Repeated(")", levels);
}

struct FilterCase {
    std::string text;
    TFilterOptions options;
    Diets expected;
};

class FilterText : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterText, ShowsTheMatchingRecordsInOrder) {
    PairSet set;
    set.FilterBy(GetParam().text, GetParam().options);
    EXPECT_EQ(set.Diets(), GetParam().expected);
    EXPECT_EQ(set.cds->RecordCount(), static_cast<int>(GetParam().expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, FilterText,
    ::testing::Values(
        FilterCase{"CDSERVORIG = '00001' AND CDSERVDEST = '00010'", 0, {"0001"}},
        FilterCase{"CDSERVORIG = '00001'", 0, {"0001", "0002", "0004"}},
        FilterCase{"CDSERVORIG = 'O''1' AND CDSERVDEST = '00010'", 0, {"0003"}},
        FilterCase{"cdservorig = '00002' or CDSERVORIG='O''1'", 0, {"0001", "0003"}},
        FilterCase{"CDSERVDEST <> '00010'", 0, {"0002"}},  // a null never satisfies a comparison
        FilterCase{"CDSERVDEST IS NULL", 0, {"0004"}},
        FilterCase{"not (CDSERVDEST is not null)", 0, {"0004"}},
        FilterCase{"NOT CDSERVORIG = '00001' AND (CDDIETORIG = '0001' OR CDDIETORIG >= '0005')", 0, {"0001", "0005"}},
        FilterCase{"CDSERVORIG = 'ABC'", 0, {}},
        FilterCase{"CDSERVORIG = 'ABC'", foCaseInsensitive, {"0005"}},
        FilterCase{"CDSERVORIG = '0000*'", 0, {"0001", "0002", "0001", "0004"}},
        FilterCase{"CDSERVORIG = '0000*'", foNoPartialCompare, {}},
        FilterCase{"[CDDIETORIG] < '0002'", 0, {"0001", "0001"}},
        FilterCase{"   ", 0, {"0001", "0002", "0001", "0003", "0004", "0005"}},
        FilterCase{InParentheses(dataset::kMaxFilterNesting - 1, "CDSERVORIG = 'abc'"), 0, {"0005"}},
        FilterCase{Repeated("CDDIETORIG >= '0005' AND ", dataset::kMaxFilterNesting - 1) + "CDSERVORIG = 'abc'", 0,
                   {"0005"}}),
    [](const ::testing::TestParamInfo<FilterCase>& info) { return "Case" + std::to_string(info.index); });

class BadFilter : public ::testing::TestWithParam<std::string> {};

TEST_P(BadFilter, IsRefusedAndChangesNothing) {
    PairSet set;
    set.FilterBy("CDSERVORIG = '00002'");
    EXPECT_THROW(set.cds->SetFilter(GetParam()), EDatabaseError);
    EXPECT_EQ(set.cds->Filter(), "CDSERVORIG = '00002'");
    EXPECT_EQ(set.Diets(), (Diets{"0001"}));
}

INSTANTIATE_TEST_SUITE_P(Syntax, BadFilter,
                         ::testing::Values("CDSERVORIG = 'open", "CDSERVORIG LIKE '0%'", "CDSERVORIG IN ('1')",
                                           "UPPER(CDSERVORIG) = 'A'", "NOSUCHFIELD = '1'", "CDSERVORIG = ",
                                           "CDSERVORIG = '1' AND", "(CDSERVORIG = '1'", "CDSERVORIG + 1 = 2",
                                           "CDSERVORIG = '1' CDSERVDEST", "CDSERVORIG IS BLANK"));

INSTANTIATE_TEST_SUITE_P(
    Nesting, BadFilter,
    ::testing::Values(InParentheses(dataset::kMaxFilterNesting, "CDSERVORIG = 'abc'"),
                      Repeated("NOT ", dataset::kMaxFilterNesting) + "CDSERVORIG = 'abc'",
                      Repeated("CDDIETORIG >= '0005' AND ", dataset::kMaxFilterNesting) + "CDSERVORIG = 'abc'",
                      Repeated("CDDIETORIG >= '0005' OR ", dataset::kMaxFilterNesting) + "CDSERVORIG = 'abc'",
                      InParentheses(100000, "CDSERVORIG = 'abc'")));

TEST(ClientDataSetFilter, NumbersCompareByValueOnIntegerFields) {
    TClientDataSet cds;
    cds.AddStringField("NAME", 10);
    cds.AddIntegerField("ORDEM");
    cds.CreateDataSet();
    for (int ordem : {10, 9, 100}) {
        cds.Append();
        cds.FieldByName("ORDEM")->SetAsInteger(ordem);
        cds.Post();
    }
    cds.SetFilter("ORDEM > 9 and ORDEM <> '100'");
    cds.SetFiltered(true);
    EXPECT_EQ(cds.RecordCount(), 1);
    EXPECT_EQ(cds.FieldByName("ORDEM")->AsInteger(), 10);
    EXPECT_THROW(cds.SetFilter("ORDEM = 'ten'"), EDatabaseError);
}

TEST(ClientDataSetFilter, SwitchingTheFilterGoesToTheFirstRecordWithScrollEvents) {
    PairSet set;
    set.cds->Last();
    Trace trace;
    trace.Attach(*set.cds, *set.dts);
    set.FilterBy("CDSERVORIG = '00001'");
    EXPECT_EQ(trace.Take(), (std::vector<std::string>{"BeforeScroll", "OnDataChange(nil)", "AfterScroll"}));
    EXPECT_EQ(set.diet->AsString(), "0001");
    EXPECT_TRUE(set.cds->Bof());
    set.cds->SetFiltered(true);  // unchanged: nothing happens
    EXPECT_TRUE(trace.Take().empty());
    set.cds->SetFiltered(false);
    EXPECT_EQ(set.cds->RecordCount(), 6);
}

TEST(ClientDataSetFilter, SettingTheFilterPostsAPendingEditFirst) {
    PairSet set;
    set.cds->Edit();
    set.dest->SetAsString("00099");
    set.FilterBy("CDSERVDEST = '00099'");
    EXPECT_EQ(set.cds->State(), dsBrowse);
    EXPECT_EQ(set.Diets(), (Diets{"0001"}));
}

TEST(ClientDataSetFilter, PostedRecordLeavingTheFilterDisappearsAndTheNextBecomesCurrent) {
    PairSet set;
    set.FilterBy("CDSERVORIG = '00001'");
    set.cds->Next();  // 0002
    set.cds->Edit();
    set.orig->SetAsString("00009");
    EXPECT_EQ(set.cds->RecordCount(), 3);  // still shown while editing
    set.cds->Post();
    EXPECT_EQ(set.Diets(), (Diets{"0001", "0004"}));
    EXPECT_EQ(set.diet->AsString(), "0004");
    set.cds->Edit();
    set.orig->SetAsString("00009");
    set.cds->Post();  // the last one leaves: the previous becomes current
    EXPECT_EQ(set.diet->AsString(), "0001");
    set.cds->Edit();
    set.orig->SetAsString("00009");
    set.cds->Post();
    EXPECT_TRUE(set.cds->IsEmpty());
    EXPECT_TRUE(set.cds->Eof() && set.cds->Bof());
}

TEST(ClientDataSetFilter, InsertedRowOutsideTheFilterIsStoredButNotShown) {
    PairSet set;
    set.FilterBy("CDSERVORIG = '00002'");
    set.cds->Append();
    set.orig->SetAsString("00003");
    set.diet->SetAsString("0009");
    set.cds->Post();
    EXPECT_EQ(set.Diets(), (Diets{"0001"}));
    set.cds->SetFiltered(false);
    EXPECT_EQ(set.cds->RecordCount(), 7);
}

TEST(ClientDataSetFilter, EditOnAFilteredEmptyViewInserts) {
    PairSet set;
    set.FilterBy("CDSERVORIG = 'none'");
    EXPECT_TRUE(set.cds->IsEmpty());
    set.cds->Edit();
    EXPECT_EQ(set.cds->State(), dsInsert);
    EXPECT_FALSE(set.cds->IsEmpty());
}

// A filter pinning the index's leading field takes its records from the index; the same filter
// behind NOT NOT cannot, and tests every record. Both must show the same rows in the same order
// whatever the index options, and keep doing so as edits move records between groups.
class IndexedFilter : public ::testing::TestWithParam<TIndexOptions> {
protected:
    PairSet set;

    void SetUp() override {
        set.cds->IndexDefs().Add("PAIR", "CDSERVORIG;CDDIETORIG", GetParam());
        set.cds->SetIndexName("PAIR");
        // "ABC" is in the group of "abc" when case is ignored.
        for (auto [orig, diet] : {std::pair{"ABC", "0101"}, {"abc", "0102"}, {"00001", "0103"}}) {
            set.cds->Append();
            set.orig->SetAsString(orig);
            set.diet->SetAsString(diet);
            set.cds->Post();
        }
    }

    Diets Shown(const std::string& text, TFilterOptions options) {
        set.FilterBy(text, options);
        return set.Diets();
    }

    void ExpectAgreement() {
        for (const char* orig : {"00001", "00002", "abc", "ABC", "O''1", "none", ""})
            for (TFilterOptions options : {TFilterOptions(0), TFilterOptions(foCaseInsensitive)}) {
                std::string text = std::string("CDSERVORIG = '") + orig + "' AND CDSERVDEST <> '00020'";
                EXPECT_EQ(Shown(text, options), Shown("NOT NOT (" + text + ")", options)) << text << " " << options;
            }
    }
};

TEST_P(IndexedFilter, ShowsWhatAFullScanShows) {
    ExpectAgreement();
    EXPECT_EQ(Shown("CDSERVORIG = 'abc'", 0).size(), 2u);
    EXPECT_EQ(Shown("CDSERVORIG = 'abc'", foCaseInsensitive).size(), 3u);
}

TEST_P(IndexedFilter, FollowsEditsInsertsAndDeletesOfTheKey) {
    set.FilterBy("CDSERVORIG = '00001'");
    set.cds->Edit();
    set.orig->SetAsString("abc");  // leaves its group for another
    set.cds->Post();
    ExpectAgreement();
    set.FilterBy("CDSERVORIG = 'abc'");
    set.cds->Delete();
    set.cds->Insert();
    set.orig->SetAsString("00002");
    set.diet->SetAsString("0000");
    set.cds->Post();
    set.cds->Edit();
    set.dest->SetAsString("00020");  // not a key field: the order stands
    set.cds->Post();
    ExpectAgreement();
    EXPECT_EQ(Shown("CDSERVORIG = '00002'", 0).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Options, IndexedFilter,
                         ::testing::Values(TIndexOptions(0), TIndexOptions(ixCaseInsensitive),
                                           TIndexOptions(ixDescending)));

} // namespace
