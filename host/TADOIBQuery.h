#pragma once
// A read-only query on the host's general database: an SQL text with named parameters
// (":NAME"), opened into a dataset of its result rows so that data sources, grids and the lookup
// dialog can show it like any other dataset.
//
// Fields: persistent fields defined before opening (AddStringField...) take the result column
// of their name, converted to their type (a string field cuts to its size); a persistent field
// the result lacks raises EDatabaseError on Open. Without persistent fields the query creates
// one field per result column when it opens and drops them when it closes: integer columns
// become integer fields, real ones float fields, the rest string fields as wide as their
// longest value.
//
// Parameters are read off the SQL text when it is set (names outside quoted literals, in order
// of first appearance; a name used twice is one parameter). Their values are bound on Open.
// The query reads all its rows on Open; Close forgets them. Editing raises EDatabaseError.
#include "TDataSet.h"
#include "TParam.h"

#include <memory>
#include <string>
#include <vector>

class GeneralDatabase;

class TADOIBQuery : public TDataSet {
public:
    explicit TADOIBQuery(TComponent* owner = nullptr);
    ~TADOIBQuery() override;

    // The database it runs on; by default (nullptr) the session's general database, dtmDBGeral.
    GeneralDatabase* Connection = nullptr;

    const std::string& SQL() const { return sql_; }
    // Raises EDatabaseError while the query is open, as changing the text of an open query would
    // leave its rows and fields behind.
    void SetSQL(std::string sql);

    const std::vector<std::unique_ptr<TParam>>& Params() const { return params_; }
    // Case-insensitive; EDatabaseError "Parameter 'X' not found" when the SQL has no such name.
    TParam& ParamByName(const std::string& name);

protected:
    void OpenCursor() override;
    void CloseCursor() override;
    int ViewSize() const override { return static_cast<int>(rows_.size()); }
    const std::vector<Variant>& ViewRow(int position) const override { return rows_[position]; }
    std::vector<Variant> BlankRecord() const override;
    int StoreRecord(std::vector<Variant> values, bool inserting, int position) override;
    void RemoveRecord(int position) override;

private:
    struct Result;
    void CreateFieldsFor(const Result& result);
    void LoadRows(const Result& result);

    std::string sql_;
    std::vector<std::unique_ptr<TParam>> params_;
    std::vector<std::vector<Variant>> rows_;  // values in field order
};
