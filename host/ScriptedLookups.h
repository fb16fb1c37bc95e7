#pragma once
// A lookup dialog service for tests and headless tools: the choices come from a script, every
// list shown is recorded. Installs itself for its lifetime and puts back the service it replaced.
// A list shown with no scripted answer, or a scripted value no row holds, raises
// std::logic_error: a setup fault that should fail loudly.
#include "LookupDialog.h"

#include <deque>
#include <string>
#include <vector>

struct ShownLookup {
    std::string Title;
    bool ShowHiddenFields = false;
    bool Searchable = false;
    int Rows = 0;
    std::vector<std::string> Columns;  // field names
    int Chosen = -1;
};

class ScriptedLookups : public LookupDialogService {
public:
    ScriptedLookups();
    ~ScriptedLookups() override;
    ScriptedLookups(const ScriptedLookups&) = delete;
    ScriptedLookups& operator=(const ScriptedLookups&) = delete;

    // Queue the answer to the next list: a row by position, the first row whose field holds the
    // value (compared as text), or closing without a choice.
    void ChooseRow(int row);
    void ChooseWhere(const std::string& fieldName, const std::string& value);
    void Cancel();

    const std::vector<ShownLookup>& Shown() const { return shown_; }
    size_t PendingAnswers() const { return answers_.size(); }

    int Choose(const LookupRequest& request) override;

private:
    struct Answer {
        int Row = -1;
        std::string FieldName;  // empty: Row as it stands
        std::string Value;
    };
    static int RowWhere(const LookupRequest& request, const Answer& answer);

    LookupDialogService* previous_ = nullptr;
    std::deque<Answer> answers_;
    std::vector<ShownLookup> shown_;
};
