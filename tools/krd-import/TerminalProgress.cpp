#include "TerminalProgress.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace krdimport {

namespace {
constexpr auto kEvery = std::chrono::milliseconds(200);
}  // namespace

TerminalProgress::TerminalProgress(std::ostream& terminal)
    : terminal_(terminal), previous_(InstallBusyIndicator(this)) {}

TerminalProgress::~TerminalProgress() { InstallBusyIndicator(previous_); }

Variant TerminalProgress::WhileBusy(const std::function<Variant()>& call) {
    const BusyProgress progress = CurrentBusyProgress();
    if (!progress) return call();
    // Stopped and joined as the call returns or raises.
    std::jthread painter([&](std::stop_token stop) {
        std::mutex mutex;
        std::condition_variable_any tick;
        std::unique_lock<std::mutex> lock(mutex);
        bool shown = false;
        while (!tick.wait_for(lock, stop, kEvery, [&] { return stop.stop_requested(); })) {
            const std::string text = progress();
            if (text.empty()) continue;
            // "\x1b[K" erases what a longer line before left at its end.
            terminal_ << '\r' << text << "\x1b[K" << std::flush;
            shown = true;
        }
        if (shown) terminal_ << '\n' << std::flush;
    });
    return call();
}

}  // namespace krdimport
