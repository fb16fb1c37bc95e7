// Event order of the dataset scripts, as the screen's handlers rely on it, and what an
// exception in an event leaves behind.
#include "DataSetTrace.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <functional>

using testing_support::CodeNameSet;
using testing_support::Trace;

namespace {

using Events = std::vector<std::string>;

struct ScriptCase {
    const char* name;
    std::vector<std::string> codes;          // loaded before; empty: an empty open dataset
    std::function<void(CodeNameSet&)> setup;  // runs before recording starts
    std::function<void(CodeNameSet&)> action;
    Events expected;
};

const Events kCancelInsert = {"BeforeCancel", "BeforeScroll", "OnStateChange(dsBrowse)", "OnDataChange(nil)",
                              "AfterCancel", "AfterScroll"};
const Events kInsert = {"BeforeInsert", "BeforeScroll", "OnStateChange(dsInsert)", "OnNewRecord",
                        "OnDataChange(nil)", "AfterInsert", "AfterScroll"};
const Events kPost = {"OnUpdateData", "BeforePost", "OnStateChange(dsBrowse)", "OnDataChange(nil)", "AfterPost"};

void Nothing(CodeNameSet&) {}
void EditName(CodeNameSet& s) {
    s.cds->Edit();
    s.name->SetAsString("changed");
}

class ScriptOrder : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptOrder, FiresEventsInThePlatformOrder) {
    const ScriptCase& c = GetParam();
    CodeNameSet set;
    Trace trace;
    trace.Attach(*set.cds, *set.dts);
    set.Load(c.codes);
    c.setup(set);
    trace.Take();
    c.action(set);
    EXPECT_EQ(trace.Take(), c.expected);
}

Events Concat(std::initializer_list<Events> parts) {
    Events all;
    for (const Events& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptOrder,
    ::testing::Values(
        ScriptCase{"ReopenWithNewData", {"A"}, Nothing, [](CodeNameSet& s) { s.Load({"B"}); },
                   {"BeforeClose", "OnStateChange(dsInactive)", "AfterClose", "BeforeOpen",
                    "OnStateChange(dsBrowse)", "OnDataChange(nil)", "AfterOpen", "AfterScroll"}},
        ScriptCase{"OpenEmptyHasNoScroll", {"A"}, [](CodeNameSet& s) { s.cds->Close(); },
                   [](CodeNameSet& s) { s.cds->CreateDataSet(); },
                   {"BeforeOpen", "OnStateChange(dsBrowse)", "OnDataChange(nil)", "AfterOpen"}},
        ScriptCase{"Close", {"A"}, Nothing, [](CodeNameSet& s) { s.cds->Close(); },
                   {"BeforeClose", "OnStateChange(dsInactive)", "AfterClose"}},
        ScriptCase{"Edit", {"A"}, Nothing, [](CodeNameSet& s) { s.cds->Edit(); },
                   {"BeforeEdit", "OnStateChange(dsEdit)", "OnDataChange(nil)", "AfterEdit"}},
        ScriptCase{"EditOnEmptyInserts", {}, Nothing, [](CodeNameSet& s) { s.cds->Edit(); }, kInsert},
        ScriptCase{"EditWhileEditingDoesNothing", {"A"}, EditName, [](CodeNameSet& s) { s.cds->Edit(); }, {}},
        ScriptCase{"Insert", {"A"}, Nothing, [](CodeNameSet& s) { s.cds->Insert(); }, kInsert},
        ScriptCase{"Append", {"A"}, Nothing, [](CodeNameSet& s) { s.cds->Append(); }, kInsert},
        ScriptCase{"FieldAssignment", {"A"}, [](CodeNameSet& s) { s.cds->Edit(); },
                   [](CodeNameSet& s) { s.name->SetAsString("x"); }, {"OnDataChange(NAME)"}},
        ScriptCase{"PostEdit", {"A"}, EditName, [](CodeNameSet& s) { s.cds->Post(); }, kPost},
        ScriptCase{"CancelEdit", {"A"}, EditName, [](CodeNameSet& s) { s.cds->Cancel(); },
                   {"BeforeCancel", "OnStateChange(dsBrowse)", "OnDataChange(nil)", "AfterCancel"}},
        ScriptCase{"CancelInsertScrolls", {"A"}, [](CodeNameSet& s) { s.cds->Insert(); },
                   [](CodeNameSet& s) { s.cds->Cancel(); }, kCancelInsert},
        ScriptCase{"CancelInBrowseDoesNothing", {"A"}, Nothing, [](CodeNameSet& s) { s.cds->Cancel(); }, {}},
        ScriptCase{"Delete", {"A", "B"}, Nothing, [](CodeNameSet& s) { s.cds->Delete(); },
                   {"BeforeDelete", "BeforeScroll", "OnDataChange(nil)", "AfterDelete", "AfterScroll"}},
        ScriptCase{"DeleteWhileEditing", {"A", "B"}, EditName, [](CodeNameSet& s) { s.cds->Delete(); },
                   {"BeforeDelete", "BeforeScroll", "OnStateChange(dsBrowse)", "OnDataChange(nil)", "AfterDelete",
                    "AfterScroll"}},
        ScriptCase{"DeleteWhileInsertingCancels", {"A"}, [](CodeNameSet& s) { s.cds->Insert(); },
                   [](CodeNameSet& s) { s.cds->Delete(); }, kCancelInsert},
        ScriptCase{"NextOntoLastRecord", {"A", "B"}, Nothing, [](CodeNameSet& s) { s.cds->Next(); },
                   {"BeforeScroll", "OnDataChange(nil)", "AfterScroll"}},
        ScriptCase{"NextOnLastSetsEofAndScrolls", {"A"}, Nothing, [](CodeNameSet& s) { s.cds->Next(); },
                   {"BeforeScroll", "OnDataChange(nil)", "AfterScroll"}},
        ScriptCase{"NextAtEofOnlyBeforeScroll", {"A"}, [](CodeNameSet& s) { s.cds->Last(); },
                   [](CodeNameSet& s) { s.cds->Next(); }, {"BeforeScroll"}},
        ScriptCase{"PriorAtBofOnlyBeforeScroll", {"A", "B"}, Nothing, [](CodeNameSet& s) { s.cds->Prior(); },
                   {"BeforeScroll"}},
        ScriptCase{"FirstOnEmpty", {}, Nothing, [](CodeNameSet& s) { s.cds->First(); },
                   {"BeforeScroll", "OnDataChange(nil)", "AfterScroll"}},
        ScriptCase{"LocateHit", {"A", "B"}, Nothing, [](CodeNameSet& s) { s.cds->Locate("CODE", "B"); },
                   {"BeforeScroll", "OnDataChange(nil)", "AfterScroll"}},
        ScriptCase{"LocateMiss", {"A", "B"}, Nothing, [](CodeNameSet& s) { s.cds->Locate("CODE", "Z"); },
                   {"BeforeScroll"}},
        ScriptCase{"LocatePostsAfterBeforeScroll", {"A", "B"}, EditName,
                   [](CodeNameSet& s) { s.cds->Locate("CODE", "B"); },
                   Concat({{"BeforeScroll", "OnUpdateData"}, kPost, {"OnDataChange(nil)", "AfterScroll"}})},
        ScriptCase{"NextPostsModifiedEdit", {"A", "B"}, EditName, [](CodeNameSet& s) { s.cds->Next(); },
                   Concat({{"OnUpdateData"}, kPost, {"BeforeScroll", "OnDataChange(nil)", "AfterScroll"}})},
        ScriptCase{"NextCancelsUnmodifiedAppend", {"A"}, [](CodeNameSet& s) { s.cds->Append(); },
                   [](CodeNameSet& s) { s.cds->Next(); },
                   Concat({{"OnUpdateData"}, kCancelInsert, {"BeforeScroll", "OnDataChange(nil)", "AfterScroll"}})},
        ScriptCase{"InsertPostsModifiedEditFirst", {"A"}, EditName, [](CodeNameSet& s) { s.cds->Insert(); },
                   Concat({{"OnUpdateData"}, kPost, kInsert})}),
    [](const ::testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.name); });

// ---- exceptions in events

struct AbortCase {
    const char* name;
    std::function<void(CodeNameSet&)> setup;
    std::function<void(CodeNameSet&)> arm;  // makes one event raise EAbort
    std::function<void(CodeNameSet&)> action;
    TDataSetState state;
    int recNo;
    int changeCount;
    bool modified;
};

void Raise(TDataSet*) { Abort(); }

class AbortInEvent : public ::testing::TestWithParam<AbortCase> {};

TEST_P(AbortInEvent, LeavesWhatTheStepsBeforeItLeft) {
    const AbortCase& c = GetParam();
    CodeNameSet set;
    set.Load({"A", "B", "C"});
    set.cds->Next();
    c.setup(set);
    c.arm(set);
    EXPECT_THROW(c.action(set), EAbort);
    EXPECT_EQ(set.cds->State(), c.state);
    EXPECT_EQ(set.cds->RecNo(), c.recNo);
    EXPECT_EQ(set.cds->GetChangeCount(), c.changeCount);
    EXPECT_EQ(set.cds->Modified(), c.modified);
    EXPECT_EQ(set.cds->RecordCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Aborts, AbortInEvent,
    ::testing::Values(
        AbortCase{"BeforeEdit", Nothing, [](CodeNameSet& s) { s.cds->BeforeEdit = Raise; },
                  [](CodeNameSet& s) { s.cds->Edit(); }, dsBrowse, 2, 0, false},
        AbortCase{"BeforeInsert", Nothing, [](CodeNameSet& s) { s.cds->BeforeInsert = Raise; },
                  [](CodeNameSet& s) { s.cds->Insert(); }, dsBrowse, 2, 0, false},
        AbortCase{"BeforeScrollOfInsert", Nothing, [](CodeNameSet& s) { s.cds->BeforeScroll = Raise; },
                  [](CodeNameSet& s) { s.cds->Append(); }, dsBrowse, 2, 0, false},
        AbortCase{"BeforePost", EditName, [](CodeNameSet& s) { s.cds->BeforePost = Raise; },
                  [](CodeNameSet& s) { s.cds->Post(); }, dsEdit, 2, 0, true},
        AbortCase{"BeforeCancel", EditName, [](CodeNameSet& s) { s.cds->BeforeCancel = Raise; },
                  [](CodeNameSet& s) { s.cds->Cancel(); }, dsEdit, 2, 0, true},
        AbortCase{"BeforeDelete", Nothing, [](CodeNameSet& s) { s.cds->BeforeDelete = Raise; },
                  [](CodeNameSet& s) { s.cds->Delete(); }, dsBrowse, 2, 0, false},
        AbortCase{"BeforeClose", Nothing, [](CodeNameSet& s) { s.cds->BeforeClose = Raise; },
                  [](CodeNameSet& s) { s.cds->Close(); }, dsBrowse, 2, 0, false},
        AbortCase{"BeforePostStopsNext", EditName, [](CodeNameSet& s) { s.cds->BeforePost = Raise; },
                  [](CodeNameSet& s) { s.cds->Next(); }, dsEdit, 2, 0, true},
        AbortCase{"BeforeCancelStopsNextFromInsert", [](CodeNameSet& s) { s.cds->Insert(); },
                  [](CodeNameSet& s) { s.cds->BeforeCancel = Raise; }, [](CodeNameSet& s) { s.cds->Next(); },
                  dsInsert, 0, 0, false},
        AbortCase{"BeforeInsertAfterImplicitPost", EditName, [](CodeNameSet& s) { s.cds->BeforeInsert = Raise; },
                  [](CodeNameSet& s) { s.cds->Insert(); }, dsBrowse, 2, 1, false},
        AbortCase{"OnNewRecordDropsTheInsert", Nothing, [](CodeNameSet& s) { s.cds->OnNewRecord = Raise; },
                  [](CodeNameSet& s) { s.cds->Insert(); }, dsBrowse, 2, 0, false},
        AbortCase{"AfterInsertKeepsTheInsert", Nothing, [](CodeNameSet& s) { s.cds->AfterInsert = Raise; },
                  [](CodeNameSet& s) { s.cds->Insert(); }, dsInsert, 0, 0, false},
        AbortCase{"AfterPostKeepsThePost", EditName, [](CodeNameSet& s) { s.cds->AfterPost = Raise; },
                  [](CodeNameSet& s) { s.cds->Post(); }, dsBrowse, 2, 1, false}),
    [](const ::testing::TestParamInfo<AbortCase>& info) { return std::string(info.param.name); });

TEST(ClientDataSetEvents, BeforePostStoppingNavigationFiresNoBeforeScroll) {
    CodeNameSet set;
    set.Load({"A", "B"});
    EditName(set);
    Trace trace;
    trace.Attach(*set.cds, *set.dts);
    set.cds->BeforePost = [&](TDataSet*) {
        trace.events.push_back("BeforePost");
        Abort();
    };
    EXPECT_THROW(set.cds->Next(), EAbort);
    EXPECT_EQ(trace.Take(), (Events{"OnUpdateData", "OnUpdateData", "BeforePost"}));
    EXPECT_EQ(set.name->AsString(), "changed");
}

TEST(ClientDataSetEvents, OnNewRecordFailureReturnsToBrowseWithTwoStateChanges) {
    CodeNameSet set;
    set.Load({"A"});
    Trace trace;
    trace.Attach(*set.cds, *set.dts);
    set.cds->OnNewRecord = [&](TDataSet*) { throw EDatabaseError("no default"); };
    EXPECT_THROW(set.cds->Insert(), EDatabaseError);
    EXPECT_EQ(trace.Take(), (Events{"BeforeInsert", "BeforeScroll", "OnStateChange(dsInsert)", "OnStateChange(dsBrowse)",
                                    "OnDataChange(nil)"}));
}

TEST(ClientDataSetEvents, DefaultsSetInOnNewRecordDoNotMakeTheRowModified) {
    CodeNameSet set;
    set.Load({"A"});
    set.cds->OnNewRecord = [&](TDataSet*) { set.code->SetAsString("NEW"); };
    set.cds->Append();
    EXPECT_FALSE(set.cds->Modified());
    EXPECT_EQ(set.code->AsString(), "NEW");
    set.cds->First();  // an unmodified new row is cancelled, not posted
    EXPECT_EQ(set.cds->RecordCount(), 1);
    EXPECT_EQ(set.cds->GetChangeCount(), 0);
}

TEST(ClientDataSetEvents, FlagsFollowNavigation) {
    CodeNameSet set;
    set.Load({"A", "B"});
    EXPECT_TRUE(set.cds->Bof());
    EXPECT_FALSE(set.cds->Eof());
    set.cds->Last();
    EXPECT_FALSE(set.cds->Bof());
    EXPECT_TRUE(set.cds->Eof());
    set.cds->Append();
    EXPECT_TRUE(set.cds->Eof());
    EXPECT_EQ(set.cds->CurrentDisplayRow(), 2);
    set.cds->Cancel();
    EXPECT_EQ(set.code->AsString(), "B");
    EXPECT_FALSE(set.cds->Eof());
    EXPECT_EQ(set.cds->MoveBy(-5), -1);
    EXPECT_TRUE(set.cds->Bof());
}

TEST(ClientDataSetEvents, CancelledInsertReturnsToTheRecordItWasInsertedBefore) {
    CodeNameSet set;
    set.Load({"A", "B", "C"});
    set.cds->Next();
    set.cds->Insert();
    EXPECT_EQ(set.Codes(), (std::vector<std::string>{"A", "", "B", "C"}));
    set.cds->Cancel();
    EXPECT_EQ(set.code->AsString(), "B");
}

TEST(ClientDataSetEvents, RequiredFieldFocusesItsControlThenRaisesAndKeepsEditing) {
    CodeNameSet set;
    set.code->SetRequired(true);
    set.Load({"A"});
    Trace trace;
    trace.Attach(*set.cds, *set.dts);
    set.cds->Append();
    set.name->SetAsString("no code");
    trace.Take();
    try {
        set.cds->Post();
        FAIL() << "Post must raise";
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message(), "Campo 'Code' deve ter um valor");
    }
    EXPECT_EQ(trace.Take(), (Events{"OnUpdateData", "BeforePost"}));
    EXPECT_EQ(set.cds->State(), dsInsert);
}

TEST(ClientDataSetEvents, WritingOutsideEditModeIsRefused) {
    CodeNameSet set;
    set.Load({"A"});
    EXPECT_THROW(set.name->SetAsString("x"), EDatabaseError);
    EXPECT_THROW(set.cds->Post(), EDatabaseError);
    set.cds->Close();
    EXPECT_THROW(set.cds->Next(), EDatabaseError);
}

TEST(ClientDataSetEvents, OnValidateRejectsKeepsTheOldValue) {
    CodeNameSet set;
    set.Load({"A"});
    std::vector<std::string> seen;
    set.name->OnValidate = [&](TField* field) {
        seen.push_back(field->AsString());
        if (field->AsString() == "bad") throw EDatabaseError("bad value");
    };
    set.name->OnChange = [&](TField*) { seen.push_back("changed"); };
    set.cds->Edit();
    EXPECT_THROW(set.name->SetAsString("bad"), EDatabaseError);
    EXPECT_EQ(set.name->AsString(), "name of A");
    EXPECT_FALSE(set.cds->Modified());
    set.name->SetAsString("good");
    EXPECT_EQ(seen, (std::vector<std::string>{"bad", "good", "changed"}));
}

} // namespace
