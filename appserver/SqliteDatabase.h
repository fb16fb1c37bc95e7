#pragma once
// One connection to the server's SQLite store. Every connection runs with foreign keys on, a busy
// timeout (so that a second writer waits for the first instead of failing at once) and the
// store's write-ahead log, which lets lookups read while an import writes.
//
// Failures of SQLite raise StoreError: the dispatcher turns them into failure answers.
#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace appserver {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SqliteStatement;

class SqliteDatabase {
public:
    // Long enough for an import of millions of menu lines to finish before a second one gives up.
    static constexpr int kDefaultBusyTimeoutMs = 120000;

    // Opens (creating when missing) the database file. A write meeting another writer waits up
    // to `busyTimeoutMs` for it before failing.
    explicit SqliteDatabase(const std::string& path, int busyTimeoutMs = kDefaultBusyTimeoutMs);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Runs statements that take no parameters (schema, pragmas, transaction control).
    void Execute(const std::string& sql);
    SqliteStatement Prepare(const std::string& sql);

    int UserVersion();
    void SetUserVersion(int version);

    sqlite3* Handle() const { return handle_; }
    // Raises StoreError with SQLite's message when `code` is not a success code.
    void Check(int code, const char* what) const;

private:
    sqlite3* handle_ = nullptr;
};

// Holds a write transaction that starts with BEGIN IMMEDIATE, so the write lock is taken before
// anything is read: checks made inside it cannot be invalidated by another writer. Rolled back
// unless Commit was called.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    void Commit();

private:
    SqliteDatabase& db_;
    bool open_ = true;
};

// Raises the connection's page cache for the span of a bulk write, so that the pages a large
// transaction changes wait in memory for its commit, which writes each of them once. With the
// default cache they spill into the log along the way, to be written again and read back, and a
// writer whose pages spill is slowed down by every other process writing to the disk. The commit
// writes and syncs the same, so nothing changes for durability. The previous size is back
// afterwards, and SQLite gives back the pages above it.
class SqliteCacheSpan {
public:
    SqliteCacheSpan(SqliteDatabase& db, int kibibytes);
    ~SqliteCacheSpan();
    SqliteCacheSpan(const SqliteCacheSpan&) = delete;
    SqliteCacheSpan& operator=(const SqliteCacheSpan&) = delete;

private:
    SqliteDatabase& db_;
    int previous_;
};

}  // namespace appserver
