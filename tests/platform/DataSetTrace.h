#pragma once
// Test helper: a small client dataset with a data source, and a recorder that writes every
// dataset and data-source event into a list, in the order they fire.
#include "TClientDataSet.h"
#include "TDataSource.h"
#include "TField.h"
#include "TStringField.h"

#include <memory>
#include <utility>
#include <string>
#include <vector>

namespace testing_support {

inline const char* StateName(TDataSetState state) {
    static const char* names[] = {"dsInactive", "dsBrowse", "dsEdit", "dsInsert", "dsSetKey"};
    return names[state];
}

// Records the events of one dataset and one data source.
class Trace {
public:
    std::vector<std::string> events;

    void Attach(TDataSet& dataSet, TDataSource& source) {
        auto record = [this](const char* name) { return [this, name](TDataSet*) { events.push_back(name); }; };
        dataSet.BeforeOpen = record("BeforeOpen");
        dataSet.AfterOpen = record("AfterOpen");
        dataSet.BeforeClose = record("BeforeClose");
        dataSet.AfterClose = record("AfterClose");
        dataSet.BeforeInsert = record("BeforeInsert");
        dataSet.AfterInsert = record("AfterInsert");
        dataSet.OnNewRecord = record("OnNewRecord");
        dataSet.BeforeEdit = record("BeforeEdit");
        dataSet.AfterEdit = record("AfterEdit");
        dataSet.BeforePost = record("BeforePost");
        dataSet.AfterPost = record("AfterPost");
        dataSet.BeforeCancel = record("BeforeCancel");
        dataSet.AfterCancel = record("AfterCancel");
        dataSet.BeforeDelete = record("BeforeDelete");
        dataSet.AfterDelete = record("AfterDelete");
        dataSet.BeforeScroll = record("BeforeScroll");
        dataSet.AfterScroll = record("AfterScroll");
        source.OnStateChange = [this](TDataSource* sender) {
            events.push_back(std::string("OnStateChange(") + StateName(sender->State()) + ")");
        };
        source.OnDataChange = [this](TDataSource*, TField* field) {
            events.push_back("OnDataChange(" + (field ? field->FieldName() : std::string("nil")) + ")");
        };
        source.OnUpdateData = [this](TDataSource*) { events.push_back("OnUpdateData"); };
    }

    std::vector<std::string> Take() { return std::exchange(events, {}); }
};

// CODE string(5) and NAME string(20), with a data source on it.
struct CodeNameSet {
    std::unique_ptr<TComponent> owner = std::make_unique<TComponent>();
    TClientDataSet* cds = new TClientDataSet(owner.get());
    TDataSource* dts = new TDataSource(owner.get());
    TStringField* code = cds->AddStringField("CODE", 5, "Code");
    TStringField* name = cds->AddStringField("NAME", 20, "Name");

    CodeNameSet() { dts->SetDataSet(cds); }

    // Opens with the given codes (names are "name of <code>").
    void Load(const std::vector<std::string>& codes) {
        DataPacket packet;
        packet.Fields = {FieldDef{"CODE", FieldType::String, 5}, FieldDef{"NAME", FieldType::String, 20}};
        for (const std::string& c : codes) packet.AddRow({Variant(c), Variant("name of " + c)});
        cds->SetData(packet);
    }

    std::vector<std::string> Codes() {
        std::vector<std::string> result;
        for (int row = 0; row < cds->DisplayRowCount(); ++row) {
            TDataSet::RowScope scope(*cds, row);
            result.push_back(code->AsString());
        }
        return result;
    }
};

} // namespace testing_support
