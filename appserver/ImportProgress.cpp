#include "ImportProgress.h"

#include "Answer.h"

namespace appserver {

ImportCounters& ImportProgress::Of(const std::string& branch) {
    std::lock_guard<std::mutex> guard(mutex_);
    auto& slot = branches_[branch];
    if (!slot) slot = std::make_unique<ImportCounters>();
    return *slot;
}

ImportCounters& ImportProgress::Start(const std::string& branch) {
    ImportCounters& counters = Of(branch);
    counters.Publish(0, 0);
    counters.running_.store(true, std::memory_order_release);
    return counters;
}

Variant ImportProgress::GetProgressoImportacao(const std::string& branch) {
    const ImportCounters& counters = Of(branch);
    const bool running = counters.running_.load(std::memory_order_acquire);
    return Answer::Success(VarArrayOf({running, static_cast<int64_t>(counters.linesRead_.load(std::memory_order_relaxed)),
                                       static_cast<int64_t>(counters.rowsWritten_.load(std::memory_order_relaxed))}));
}

}  // namespace appserver
