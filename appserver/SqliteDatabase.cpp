#include "SqliteDatabase.h"

#include "SqliteStatement.h"

namespace appserver {

namespace {

// The failures an operator can do something about are named in the user's words first, SQLite's
// own words kept after them for whoever looks further.
std::string Describe(int code, const std::string& detail) {
    switch (code & 0xff) {
    case SQLITE_FULL: return "disco cheio (" + detail + ")";
    case SQLITE_IOERR: return "falha de leitura ou gravação no disco (" + detail + ")";
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "banco de dados ocupado por outra operação, tente de novo (" + detail + ")";
    default: return detail;
    }
}

}  // namespace

SqliteDatabase::SqliteDatabase(const std::string& path, int busyTimeoutMs) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    const int code = sqlite3_open_v2(path.c_str(), &handle_, flags, nullptr);
    if (code != SQLITE_OK) {
        std::string message = handle_ ? sqlite3_errmsg(handle_) : sqlite3_errstr(code);
        sqlite3_close(handle_);
        handle_ = nullptr;
        throw StoreError("não foi possível abrir o banco de dados " + path + ": " + message);
    }
    sqlite3_extended_result_codes(handle_, 1);
    sqlite3_busy_timeout(handle_, busyTimeoutMs);
    Execute("PRAGMA foreign_keys = ON");
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close_v2(handle_); }

void SqliteDatabase::Check(int code, const char* what) const {
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) return;
    throw StoreError(std::string("erro do banco de dados (") + what + "): " + Describe(code, sqlite3_errmsg(handle_)));
}

void SqliteDatabase::Execute(const std::string& sql) {
    char* error = nullptr;
    const int code = sqlite3_exec(handle_, sql.c_str(), nullptr, nullptr, &error);
    if (code != SQLITE_OK) {
        std::string message = error ? error : sqlite3_errstr(code);
        sqlite3_free(error);
        throw StoreError("erro do banco de dados: " + Describe(code, message));
    }
}

SqliteStatement SqliteDatabase::Prepare(const std::string& sql) { return SqliteStatement(*this, sql); }

int SqliteDatabase::UserVersion() {
    SqliteStatement query(*this, "PRAGMA user_version");
    query.Step();
    return static_cast<int>(query.Integer(0));
}

void SqliteDatabase::SetUserVersion(int version) {
    // PRAGMA takes no bound parameter; the value is an integer we produce ourselves.
    Execute("PRAGMA user_version = " + std::to_string(version));
}

SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : db_(db) { db_.Execute("BEGIN IMMEDIATE"); }

SqliteTransaction::~SqliteTransaction() {
    if (open_) sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::Commit() {
    db_.Execute("COMMIT");
    open_ = false;
}

SqliteCacheSpan::SqliteCacheSpan(SqliteDatabase& db, int kibibytes) : db_(db) {
    SqliteStatement query(db_, "PRAGMA cache_size");
    query.Step();
    previous_ = static_cast<int>(query.Integer(0));
    // A negative size counts kibibytes, a positive one pages; both are our own integers.
    db_.Execute("PRAGMA cache_size = " + std::to_string(-kibibytes));
}

SqliteCacheSpan::~SqliteCacheSpan() {
    sqlite3_exec(db_.Handle(), ("PRAGMA cache_size = " + std::to_string(previous_)).c_str(), nullptr, nullptr, nullptr);
}

}  // namespace appserver
