#include "TADOIBQuery.h"

#include "DBConsts.h"
#include "Format.h"
#include "GeneralDatabase.h"
#include "SysUtils.h"
#include "TFloatField.h"
#include "TIntegerField.h"
#include "TStringField.h"
#include "Text.h"

#include <algorithm>
#include <sqlite3.h>

namespace {

bool StartsName(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool InName(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The ":NAME" parameters of an SQL text, in order of first appearance; quoted text and
// comments are skipped so that a colon inside them is no parameter.
std::vector<std::string> ParameterNames(const std::string& sql) {
    std::vector<std::string> names;
    for (size_t i = 0; i < sql.size(); ++i) {
        char c = sql[i];
        if (c == '\'' || c == '"') {
            i = std::min(sql.find(c, i + 1), sql.size());
        } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            i = std::min(sql.find('\n', i), sql.size());
        } else if (c == ':' && i + 1 < sql.size() && StartsName(sql[i + 1])) {
            size_t end = i + 1;
            while (end < sql.size() && InName(sql[end])) ++end;
            std::string name = sql.substr(i + 1, end - i - 1);
            if (std::none_of(names.begin(), names.end(), [&](const auto& n) { return AnsiSameText(n, name); }))
                names.push_back(name);
            i = end - 1;
        }
    }
    return names;
}

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK) Fail();
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return statement_; }
    [[noreturn]] void Fail() const { throw EDatabaseError(sqlite3_errmsg(db_)); }

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

void Bind(const Statement& statement, int index, const Variant& value) {
    sqlite3_stmt* s = statement.get();
    int rc = SQLITE_OK;
    switch (value.Type()) {
    case VarType::Null: rc = sqlite3_bind_null(s, index); break;
    case VarType::Boolean: rc = sqlite3_bind_int(s, index, value.AsBoolean() ? 1 : 0); break;
    case VarType::Integer: rc = sqlite3_bind_int64(s, index, value.AsInteger()); break;
    case VarType::Double: rc = sqlite3_bind_double(s, index, value.AsDouble()); break;
    case VarType::Date: rc = sqlite3_bind_double(s, index, value.AsDate().Value); break;
    case VarType::String: {
        std::string text = value.AsString();
        rc = sqlite3_bind_text(s, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    case VarType::Array:
    case VarType::Packet: throw EDatabaseError("Parameter value of an unsupported type");
    }
    if (rc != SQLITE_OK) statement.Fail();
}

Variant ColumnValue(sqlite3_stmt* s, int column) {
    switch (sqlite3_column_type(s, column)) {
    case SQLITE_NULL: return Variant();
    case SQLITE_INTEGER: return Variant(static_cast<int64_t>(sqlite3_column_int64(s, column)));
    case SQLITE_FLOAT: return Variant(sqlite3_column_double(s, column));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
        return Variant(std::string(text, static_cast<size_t>(sqlite3_column_bytes(s, column))));
    }
    }
}

// The field type a column's declared type asks for, by SQLite's affinity rules.
FieldType DeclaredType(const char* declared) {
    std::string type = AnsiUpperCase(declared ? declared : "");
    if (type.find("INT") != std::string::npos) return FieldType::Integer;
    for (const char* real : {"REAL", "FLOA", "DOUB"})
        if (type.find(real) != std::string::npos) return FieldType::Double;
    return FieldType::String;
}

}  // namespace

struct TADOIBQuery::Result {
    std::vector<std::string> columns;
    std::vector<FieldType> types;
    std::vector<std::vector<Variant>> rows;

    int ColumnOf(const std::string& name) const {
        for (size_t i = 0; i < columns.size(); ++i)
            if (AnsiSameText(columns[i], name)) return static_cast<int>(i);
        return -1;
    }
    // Characters of the longest value of a column, at least 1.
    int WidthOf(size_t column) const {
        size_t width = 1;
        for (const auto& row : rows) width = std::max(width, Utf8Length(row[column].AsString()));
        return static_cast<int>(width);
    }
};

TADOIBQuery::TADOIBQuery(TComponent* owner) : TDataSet(owner) { SetReadOnly(true); }

TADOIBQuery::~TADOIBQuery() = default;

void TADOIBQuery::SetSQL(std::string sql) {
    if (Active()) throw EDatabaseError(dbconsts::OpenDataSet);
    std::vector<std::unique_ptr<TParam>> params;
    for (std::string& name : ParameterNames(sql)) {
        auto kept = std::find_if(params_.begin(), params_.end(), [&](const auto& p) { return p && AnsiSameText(p->Name(), name); });
        params.push_back(kept != params_.end() ? std::move(*kept) : std::make_unique<TParam>(name));
    }
    params_ = std::move(params);
    sql_ = std::move(sql);
}

TParam& TADOIBQuery::ParamByName(const std::string& name) {
    for (auto& param : params_)
        if (AnsiSameText(param->Name(), name)) return *param;
    throw EDatabaseError("Parameter '" + name + "' not found");
}

void TADOIBQuery::OpenCursor() {
    GeneralDatabase& database = Connection ? *Connection : dtmDBGeral();
    Statement statement(database.Handle(), sql_);
    sqlite3_stmt* s = statement.get();
    for (int i = 1; i <= sqlite3_bind_parameter_count(s); ++i) {
        const char* name = sqlite3_bind_parameter_name(s, i);
        if (!name || name[0] != ':') throw EDatabaseError("Only :NAME parameters are supported");
        Bind(statement, i, ParamByName(name + 1).Value());
    }
    Result result;
    for (int c = 0; c < sqlite3_column_count(s); ++c) {
        result.columns.emplace_back(sqlite3_column_name(s, c));
        result.types.push_back(DeclaredType(sqlite3_column_decltype(s, c)));
    }
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        std::vector<Variant> row;
        for (int c = 0; c < static_cast<int>(result.columns.size()); ++c) row.push_back(ColumnValue(s, c));
        result.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) statement.Fail();
    if (Fields().empty()) CreateFieldsFor(result);
    LoadRows(result);
}

void TADOIBQuery::CreateFieldsFor(const Result& result) {
    SetDefaultFields(true);
    for (size_t c = 0; c < result.columns.size(); ++c) {
        TField* field = nullptr;
        switch (result.types[c]) {
        case FieldType::Integer: field = new TIntegerField(this); break;
        case FieldType::Double: field = new TFloatField(this); break;
        default: field = new TStringField(this); field->SetSize(result.WidthOf(c)); break;
        }
        field->SetFieldName(result.columns[c]);
    }
}

void TADOIBQuery::LoadRows(const Result& result) {
    std::vector<int> columns;
    for (TField* field : Fields()) {
        int column = result.ColumnOf(field->FieldName());
        if (column < 0) throw EDatabaseError(Format(dbconsts::FieldNotFound, {field->FieldName()}));
        SetFieldColumn(field, static_cast<int>(columns.size()));
        columns.push_back(column);
    }
    rows_.clear();
    for (const auto& resultRow : result.rows) {
        std::vector<Variant> row;
        for (size_t i = 0; i < columns.size(); ++i) row.push_back(Fields()[i]->Convert(resultRow[columns[i]]));
        rows_.push_back(std::move(row));
    }
}

void TADOIBQuery::CloseCursor() { rows_.clear(); }

std::vector<Variant> TADOIBQuery::BlankRecord() const { return std::vector<Variant>(Fields().size()); }

int TADOIBQuery::StoreRecord(std::vector<Variant>, bool, int) { throw EDatabaseError(dbconsts::ReadOnlyDataSet); }

void TADOIBQuery::RemoveRecord(int) { throw EDatabaseError(dbconsts::ReadOnlyDataSet); }
