#pragma once
// How far the import running into each branch has got, for a caller that asks on another
// connection while ImportaCardapio works (GetProgressoImportacao).
//
//   ImportCounters& counters = progress.Start("0003");  // in the import, under the branch lock
//   counters.Publish(lines, rows);                       // every few thousand menu lines
//   counters.Finish(lines, rows);
//   progress.GetProgressoImportacao("0003");             // from any thread: ["OK"?, running, lines, rows]
//
// The import only stores into relaxed atomics, so that reporting costs it nothing measurable;
// a reader sees figures at most a few thousand lines behind. The figures of the last import of a
// branch stay readable after it ends, with the running flag cleared.
#include "Variant.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace appserver {

class ImportCounters {
public:
    void Publish(uint64_t linesRead, uint64_t rowsWritten) {
        linesRead_.store(linesRead, std::memory_order_relaxed);
        rowsWritten_.store(rowsWritten, std::memory_order_relaxed);
    }
    void Finish() { running_.store(false, std::memory_order_release); }

private:
    friend class ImportProgress;
    std::atomic<bool> running_{false};
    std::atomic<uint64_t> linesRead_{0};
    std::atomic<uint64_t> rowsWritten_{0};
};

class ImportProgress {
public:
    // Zeroes the branch's figures and marks its import running. Imports into one branch run one
    // at a time (BranchLocks), so each branch has one writer.
    ImportCounters& Start(const std::string& branch);

    // Raw answer (Answer.h) with payload [running (boolean), menu lines read, rows written]:
    // [false, 0, 0] for a branch that has had no import since the server started.
    Variant GetProgressoImportacao(const std::string& branch);

private:
    ImportCounters& Of(const std::string& branch);

    std::mutex mutex_;
    // One entry per branch imported into: as many as the company has branches.
    std::map<std::string, std::unique_ptr<ImportCounters>> branches_;
};

}  // namespace appserver
