#pragma once
// A disk under the store that fails when told to, as a full or failing disk does: a SQLite file
// system (VFS) over the real one, made the default while it lives, so that every connection the
// server opens meets it without knowing. It counts the writes to write-ahead logs (where a
// transaction's pages go before they count) and, once armed, answers the Nth one and every
// later one, or the log's flush to disk, with the given error, as the real one does on ENOSPC
// (SQLITE_FULL) or EIO (SQLITE_IOERR_WRITE, SQLITE_IOERR_FSYNC).
//
//   FailingDisk disk;
//   disk.FailWrites(SQLITE_FULL, 3);  // the third log write from now on fails, and all after it
//   ... import: a failure answer ...
//   disk.Heal();
//
// One at a time per process: the constructor installs it, the destructor puts the real one back.
#include <sqlite3.h>

#include <atomic>

namespace appserver::testing {

class FailingDisk {
public:
    FailingDisk();
    ~FailingDisk();
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

    // Counts log writes from zero again and fails the `nth` (1-based) and every later one.
    void FailWrites(int code, int nth);
    // Fails every flush of a log to the disk.
    void FailSyncs(int code);
    // Behaves as the real disk again.
    void Heal();
    // Log writes since the last FailWrites, Heal or construction.
    int Writes() const { return writes_; }

private:
    struct File;
    static sqlite3_file* Real(sqlite3_file* file);
    static int Open(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags);
    static int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset);
    static int Sync(sqlite3_file* file, int flags);

    sqlite3_vfs* real_;
    sqlite3_vfs vfs_{};
    sqlite3_io_methods methods_{};
    std::atomic<int> writes_{0};
    std::atomic<int> failFrom_{0};  // 0: writes do not fail
    std::atomic<int> writeCode_{SQLITE_OK};
    std::atomic<int> syncCode_{SQLITE_OK};
};

}  // namespace appserver::testing
