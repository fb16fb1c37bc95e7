// What data sources and their links hear: DisableControls, state mirroring, AutoEdit, focus
// requests, and the painted-row view the grid reads.
#include "DataSetTrace.h"
#include "SysUtils.h"
#include "TDataLink.h"

#include <gtest/gtest.h>

using testing_support::CodeNameSet;
using testing_support::Trace;

namespace {

using Events = std::vector<std::string>;

// A link that writes what it hears into a shared list.
class RecordingLink : public TDataLink {
public:
    RecordingLink(std::string name, Events& events) : name_(std::move(name)), events_(events) {}

    bool takesFocus = false;
    std::string pendingText;  // written into NAME on UpdateData, like a grid's open editor
    TField* target = nullptr;

    void ActiveChanged() override { Log("ActiveChanged"); }
    void StateChanged() override { Log("StateChanged"); }
    void DataSetChanged() override { Log("DataSetChanged"); }
    void DataSetScrolled(int distance) override { Log("Scrolled(" + std::to_string(distance) + ")"); }
    void LayoutChanged() override { Log("LayoutChanged"); }
    void RecordChanged(TField* field) override { Log("RecordChanged(" + (field ? field->FieldName() : "nil") + ")"); }
    void UpdateData() override {
        Log("UpdateData");
        if (target && !pendingText.empty()) target->SetText(std::exchange(pendingText, {}));
    }
    bool FocusControl(TField* field) override {
        Log("FocusControl(" + field->FieldName() + ")");
        return takesFocus;
    }

private:
    void Log(const std::string& what) { events_.push_back(name_ + ":" + what); }
    std::string name_;
    Events& events_;
};

TEST(DisableControls, NestedPairsGiveOneStateChangeAndOneDataChangeAtTheEnd) {
    CodeNameSet set;
    set.Load({"A", "B", "C"});
    Trace trace;
    trace.Attach(*set.cds, *set.dts);
    set.cds->DisableControls();
    set.cds->DisableControls();
    set.cds->Next();
    set.cds->Edit();
    EXPECT_EQ(set.dts->State(), dsBrowse);  // stale while disabled
    set.cds->EnableControls();
    EXPECT_EQ(trace.Take(), (Events{"BeforeScroll", "AfterScroll", "BeforeEdit", "AfterEdit"}));
    set.cds->EnableControls();
    EXPECT_EQ(trace.Take(), (Events{"OnStateChange(dsEdit)", "OnDataChange(nil)"}));
    set.cds->EnableControls();  // already enabled: nothing
    EXPECT_TRUE(trace.Take().empty());
}

TEST(DisableControls, SameStateAtTheEndGivesOnlyTheDataChange) {
    CodeNameSet set;
    set.Load({"A", "B"});
    Trace trace;
    trace.Attach(*set.cds, *set.dts);
    set.cds->DisableControls();
    for (set.cds->First(); !set.cds->Eof(); set.cds->Next()) {
        set.cds->Edit();
        set.name->SetAsString("marked");
        set.cds->Post();
    }
    trace.Take();
    set.cds->EnableControls();
    EXPECT_EQ(trace.Take(), (Events{"OnDataChange(nil)"}));
    EXPECT_EQ(set.cds->GetChangeCount(), 2);
}

TEST(DisableControls, PostWhileDisabledDoesNotFlushControlText) {
    CodeNameSet set;
    set.Load({"A"});
    Events events;
    RecordingLink grid("grid", events);
    grid.target = set.name;
    grid.SetDataSource(set.dts);
    set.cds->Edit();
    grid.pendingText = "typed";
    set.cds->DisableControls();
    set.cds->Post();  // unmodified edit posts unchanged; the editor text stays pending
    set.cds->EnableControls();
    EXPECT_EQ(set.name->AsString(), "name of A");
    set.cds->Edit();
    set.cds->Post();
    EXPECT_EQ(set.name->AsString(), "typed");
}

TEST(DisableControls, ClosingWhileDisabledSendsALayoutChangeOnReopen) {
    CodeNameSet set;
    set.Load({"A"});
    Events events;
    RecordingLink grid("grid", events);
    grid.SetDataSource(set.dts);
    events.clear();
    set.cds->DisableControls();
    set.Load({"B"});
    set.cds->EnableControls();
    EXPECT_EQ(events, (Events{"grid:LayoutChanged"}));
}

TEST(DataLinks, HearEachNotificationBeforeTheDataSourceHandlersInRegistrationOrder) {
    CodeNameSet set;
    Events events;
    RecordingLink first("first", events), second("second", events);
    first.SetDataSource(set.dts);
    second.SetDataSource(set.dts);
    set.dts->OnStateChange = [&](TDataSource*) { events.push_back("OnStateChange"); };
    set.dts->OnDataChange = [&](TDataSource*, TField*) { events.push_back("OnDataChange"); };
    set.Load({"A", "B"});
    set.cds->Next();
    set.cds->Edit();
    set.name->SetAsString("x");
    set.code->SetDisplayLabel("Código");
    EXPECT_EQ(events, (Events{"first:ActiveChanged", "first:StateChanged", "second:ActiveChanged",
                              "second:StateChanged", "OnStateChange", "OnDataChange",  // open
                              "first:Scrolled(1)", "second:Scrolled(1)", "OnDataChange",   // next
                              "first:StateChanged", "second:StateChanged", "OnStateChange",  // edit
                              "first:RecordChanged(nil)", "second:RecordChanged(nil)", "OnDataChange",
                              "first:RecordChanged(NAME)", "second:RecordChanged(NAME)", "OnDataChange",
                              "first:LayoutChanged", "second:LayoutChanged", "OnDataChange"}));
}

TEST(DataLinks, FocusRequestStopsAtTheFirstControlThatTakesIt) {
    CodeNameSet set;
    set.Load({"A"});
    TDataSource other;
    other.SetDataSet(set.cds);
    Events events;
    RecordingLink edit("edit", events), grid("grid", events), late("late", events);
    edit.SetDataSource(set.dts);
    grid.SetDataSource(set.dts);
    late.SetDataSource(&other);
    grid.takesFocus = true;
    events.clear();
    set.code->FocusControl();
    EXPECT_EQ(events, (Events{"edit:FocusControl(CODE)", "grid:FocusControl(CODE)"}));
}

TEST(DataSourceState, MirrorsTheDataSetOnlyWhileEnabled) {
    CodeNameSet set;
    set.Load({"A"});
    Events events;
    RecordingLink grid("grid", events);
    grid.SetDataSource(set.dts);
    EXPECT_EQ(events, (Events{"grid:ActiveChanged"}));  // joining an open dataset
    events.clear();
    EXPECT_TRUE(grid.Active());
    set.dts->SetEnabled(false);
    EXPECT_EQ(set.dts->State(), dsInactive);
    EXPECT_FALSE(grid.Active());
    set.cds->Next();
    set.dts->SetEnabled(true);
    EXPECT_EQ(events, (Events{"grid:ActiveChanged", "grid:StateChanged", "grid:ActiveChanged", "grid:StateChanged"}));
}

TEST(DataSourceState, AutoEditDecidesWhetherControlsMayStartAnEdit) {
    CodeNameSet set;
    set.Load({"A"});
    Events events;
    RecordingLink grid("grid", events);
    grid.SetDataSource(set.dts);
    set.dts->AutoEdit = false;
    EXPECT_FALSE(grid.Edit());
    EXPECT_EQ(set.cds->State(), dsBrowse);
    set.dts->AutoEdit = true;
    EXPECT_TRUE(grid.Edit());
    EXPECT_EQ(set.cds->State(), dsEdit);
}

TEST(DataSourceState, OutlivingItsDataSetLeavesTheLinksInactive) {
    Events events;
    RecordingLink grid("grid", events);
    TDataSource source;
    {
        CodeNameSet set;
        set.Load({"A"});
        source.SetDataSet(set.cds);
        grid.SetDataSource(&source);
    }
    EXPECT_EQ(source.DataSet(), nullptr);
    EXPECT_FALSE(grid.Active());
}

TEST(RowView, ReadsAnyDisplayRowWithoutMovingOrEvents) {
    CodeNameSet set;
    set.Load({"A", "B", "C"});
    set.cds->Next();
    set.cds->Insert();
    set.code->SetAsString("NEW");
    Trace trace;
    trace.Attach(*set.cds, *set.dts);
    EXPECT_EQ(set.Codes(), (std::vector<std::string>{"A", "NEW", "B", "C"}));
    {
        TDataSet::RowScope scope(*set.cds, 3);
        EXPECT_EQ(set.name->AsString(), "name of C");
        EXPECT_THROW(set.name->SetAsString("x"), EDatabaseError);
    }
    EXPECT_EQ(set.code->AsString(), "NEW");
    EXPECT_EQ(set.cds->CurrentDisplayRow(), 1);
    EXPECT_TRUE(trace.Take().empty());
    EXPECT_THROW(TDataSet::RowScope(*set.cds, 4), EDatabaseError);
}

} // namespace
