#include "ScriptedLookups.h"

#include "TDataSet.h"
#include "TField.h"

#include <stdexcept>

ScriptedLookups::ScriptedLookups() : previous_(InstallLookupDialogService(this)) {}

ScriptedLookups::~ScriptedLookups() { InstallLookupDialogService(previous_); }

void ScriptedLookups::ChooseRow(int row) { answers_.push_back({row, {}, {}}); }

void ScriptedLookups::ChooseWhere(const std::string& fieldName, const std::string& value) {
    answers_.push_back({-1, fieldName, value});
}

void ScriptedLookups::Cancel() { answers_.push_back({-1, {}, {}}); }

int ScriptedLookups::Choose(const LookupRequest& request) {
    ShownLookup shown{request.Title, request.ShowHiddenFields, request.Searchable, request.DataSet->RecordCount(), {}, -1};
    for (TField* field : request.Columns()) shown.Columns.push_back(field->FieldName());
    if (answers_.empty()) throw std::logic_error("Lookup '" + request.Title + "' shown with no scripted answer");
    Answer answer = answers_.front();
    answers_.pop_front();
    shown.Chosen = answer.FieldName.empty() ? answer.Row : RowWhere(request, answer);
    shown_.push_back(shown);
    return shown.Chosen;
}

int ScriptedLookups::RowWhere(const LookupRequest& request, const Answer& answer) {
    TDataSet& dataSet = *request.DataSet;
    TField* field = dataSet.FieldByName(answer.FieldName);
    for (int row = 0; row < dataSet.RecordCount(); ++row) {
        TDataSet::RowScope scope(dataSet, row);
        if (field->AsString() == answer.Value) return row;
    }
    throw std::logic_error("Lookup '" + request.Title + "' has no row with " + answer.FieldName + " = " + answer.Value);
}
