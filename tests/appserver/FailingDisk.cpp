#include "FailingDisk.h"

#include <stdexcept>

namespace appserver::testing {

// SQLite allocates szOsFile bytes per open file: this record, then the real file's own.
struct FailingDisk::File {
    sqlite3_file base;
    FailingDisk* disk;
    bool log;
    sqlite3_file* real;
};

sqlite3_file* FailingDisk::Real(sqlite3_file* file) { return reinterpret_cast<File*>(file)->real; }

FailingDisk::FailingDisk() : real_(sqlite3_vfs_find(nullptr)) {
    if (!real_) throw std::runtime_error("no SQLite file system to stand on");
    vfs_ = *real_;
    vfs_.szOsFile = static_cast<int>(sizeof(File)) + real_->szOsFile;
    vfs_.zName = "failing-disk";
    vfs_.pAppData = this;
    vfs_.pNext = nullptr;
    vfs_.xOpen = Open;

    methods_.iVersion = 3;
    methods_.xClose = [](sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); };
    methods_.xRead = [](sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
        return Real(f)->pMethods->xRead(Real(f), data, amount, offset);
    };
    methods_.xWrite = Write;
    methods_.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) { return Real(f)->pMethods->xTruncate(Real(f), size); };
    methods_.xSync = Sync;
    methods_.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) { return Real(f)->pMethods->xFileSize(Real(f), size); };
    methods_.xLock = [](sqlite3_file* f, int lock) { return Real(f)->pMethods->xLock(Real(f), lock); };
    methods_.xUnlock = [](sqlite3_file* f, int lock) { return Real(f)->pMethods->xUnlock(Real(f), lock); };
    methods_.xCheckReservedLock = [](sqlite3_file* f, int* out) {
        return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
    };
    methods_.xFileControl = [](sqlite3_file* f, int op, void* arg) {
        return Real(f)->pMethods->xFileControl(Real(f), op, arg);
    };
    methods_.xSectorSize = [](sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); };
    methods_.xDeviceCharacteristics = [](sqlite3_file* f) {
        return Real(f)->pMethods->xDeviceCharacteristics(Real(f));
    };
    methods_.xShmMap = [](sqlite3_file* f, int region, int size, int extend, void volatile** out) {
        return Real(f)->pMethods->xShmMap(Real(f), region, size, extend, out);
    };
    methods_.xShmLock = [](sqlite3_file* f, int offset, int n, int flags) {
        return Real(f)->pMethods->xShmLock(Real(f), offset, n, flags);
    };
    methods_.xShmBarrier = [](sqlite3_file* f) { Real(f)->pMethods->xShmBarrier(Real(f)); };
    methods_.xShmUnmap = [](sqlite3_file* f, int remove) { return Real(f)->pMethods->xShmUnmap(Real(f), remove); };
    methods_.xFetch = [](sqlite3_file* f, sqlite3_int64 offset, int amount, void** out) {
        return Real(f)->pMethods->xFetch(Real(f), offset, amount, out);
    };
    methods_.xUnfetch = [](sqlite3_file* f, sqlite3_int64 offset, void* page) {
        return Real(f)->pMethods->xUnfetch(Real(f), offset, page);
    };

    if (sqlite3_vfs_register(&vfs_, 1) != SQLITE_OK) throw std::runtime_error("cannot install the failing disk");
}

FailingDisk::~FailingDisk() {
    sqlite3_vfs_register(real_, 1);
    sqlite3_vfs_unregister(&vfs_);
}

void FailingDisk::FailWrites(int code, int nth) {
    writes_ = 0;
    writeCode_ = code;
    failFrom_ = nth;
}

void FailingDisk::FailSyncs(int code) { syncCode_ = code; }

void FailingDisk::Heal() {
    writes_ = 0;
    failFrom_ = 0;
    writeCode_ = SQLITE_OK;
    syncCode_ = SQLITE_OK;
}

int FailingDisk::Open(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    auto* disk = static_cast<FailingDisk*>(vfs->pAppData);
    auto* own = reinterpret_cast<File*>(file);
    own->disk = disk;
    own->log = (flags & SQLITE_OPEN_WAL) != 0;
    own->real = reinterpret_cast<sqlite3_file*>(own + 1);
    const int code = disk->real_->xOpen(disk->real_, name, own->real, flags, outFlags);
    // SQLite closes a file whose methods are set even when opening it failed: mirror the real one.
    own->base.pMethods = own->real->pMethods ? &disk->methods_ : nullptr;
    return code;
}

int FailingDisk::Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    auto* own = reinterpret_cast<File*>(file);
    FailingDisk& disk = *own->disk;
    if (own->log) {
        const int count = ++disk.writes_;
        if (disk.failFrom_ > 0 && count >= disk.failFrom_) return disk.writeCode_;
    }
    return own->real->pMethods->xWrite(own->real, data, amount, offset);
}

int FailingDisk::Sync(sqlite3_file* file, int flags) {
    auto* own = reinterpret_cast<File*>(file);
    if (own->log && own->disk->syncCode_ != SQLITE_OK) return own->disk->syncCode_;
    return own->real->pMethods->xSync(own->real, flags);
}

}  // namespace appserver::testing
