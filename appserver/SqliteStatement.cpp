#include "SqliteStatement.h"

#include <charconv>
#include <cstdio>

namespace appserver {

SqliteStatement::SqliteStatement(SqliteDatabase& db, const std::string& sql) : db_(db) {
    db_.Check(sqlite3_prepare_v2(db_.Handle(), sql.c_str(), static_cast<int>(sql.size()), &handle_, nullptr),
              "prepare");
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(handle_); }

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept : db_(other.db_), handle_(other.handle_) {
    other.handle_ = nullptr;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
    db_.Check(sqlite3_bind_text(handle_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT),
              "bind");
    return *this;
}

SqliteStatement& SqliteStatement::BindUncopied(int index, std::string_view text) {
    db_.Check(sqlite3_bind_text(handle_, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC), "bind");
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, int64_t value) {
    db_.Check(sqlite3_bind_int64(handle_, index, value), "bind");
    return *this;
}

SqliteStatement& SqliteStatement::BindDate(int index, TDateTime date) { return Bind(index, IsoDate(date)); }

SqliteStatement& SqliteStatement::BindNull(int index) {
    db_.Check(sqlite3_bind_null(handle_, index), "bind");
    return *this;
}

bool SqliteStatement::Step() {
    const int code = sqlite3_step(handle_);
    db_.Check(code, "step");
    return code == SQLITE_ROW;
}

void SqliteStatement::Run() {
    const int code = sqlite3_step(handle_);
    sqlite3_reset(handle_);
    db_.Check(code, "step");
}

void SqliteStatement::Reset() { sqlite3_reset(handle_); }

std::string SqliteStatement::Text(int column) const { return std::string(TextView(column)); }

std::string_view SqliteStatement::TextView(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle_, column));
    if (!text) return {};
    return std::string_view(text, static_cast<size_t>(sqlite3_column_bytes(handle_, column)));
}

int64_t SqliteStatement::Integer(int column) const { return sqlite3_column_int64(handle_, column); }

bool SqliteStatement::IsNull(int column) const { return sqlite3_column_type(handle_, column) == SQLITE_NULL; }

TDateTime SqliteStatement::Date(int column) const {
    const std::string text = Text(column);
    const auto date = ParseIsoDate(text);
    if (!date) throw StoreError("data inválida no banco de dados: \"" + text + "\"");
    return *date;
}

std::string IsoDate(TDateTime date) {
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::optional<TDateTime> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto number = [&](size_t from, size_t length) {
        int value = -1;
        const char* first = text.data() + from;
        auto [end, error] = std::from_chars(first, first + length, value);
        return (error == std::errc() && end == first + length) ? value : -1;
    };
    TDateTime date;
    if (!TryEncodeDate(number(0, 4), number(5, 2), number(8, 2), date)) return std::nullopt;
    return date;
}

}  // namespace appserver
