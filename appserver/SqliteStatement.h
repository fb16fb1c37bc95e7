#pragma once
// A prepared statement with bound parameters. Parameters are numbered from 1, columns from 0, as
// in SQLite. Dates are stored as ISO text (yyyy-mm-dd) so that they sort and read naturally.
#include "DateTime.h"
#include "SqliteDatabase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace appserver {

class SqliteStatement {
public:
    SqliteStatement(SqliteDatabase& db, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    SqliteStatement& operator=(SqliteStatement&&) = delete;

    SqliteStatement& Bind(int index, std::string_view text);
    // The same without copying the text, for rows bound by the million: the text must stay alive
    // and unchanged until the parameter is bound again or the statement is gone.
    SqliteStatement& BindUncopied(int index, std::string_view text);
    SqliteStatement& Bind(int index, int64_t value);
    SqliteStatement& Bind(int index, int value) { return Bind(index, static_cast<int64_t>(value)); }
    SqliteStatement& BindDate(int index, TDateTime date);
    SqliteStatement& BindNull(int index);

    // Advances to the next row; false when there is none (or the statement was not a query).
    bool Step();
    // Runs a statement that returns no rows, then resets it for the next use.
    void Run();
    // Back to before the first row; bindings are kept.
    void Reset();

    std::string Text(int column) const;  // NULL gives ""
    // The same without a copy, valid until the next Step or Reset.
    std::string_view TextView(int column) const;
    int64_t Integer(int column) const;
    bool IsNull(int column) const;
    TDateTime Date(int column) const;  // raises StoreError for a value that is no ISO date

private:
    SqliteDatabase& db_;
    sqlite3_stmt* handle_ = nullptr;
};

// yyyy-mm-dd for a day, and back (nullopt for malformed text or an impossible day).
std::string IsoDate(TDateTime date);
std::optional<TDateTime> ParseIsoDate(std::string_view text);

}  // namespace appserver
