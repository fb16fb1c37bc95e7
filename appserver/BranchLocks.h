#pragma once
// One mutex per destination branch, so that imports into one branch run one after the other in
// this process while imports into different branches go side by side. (Across processes the
// import's BEGIN IMMEDIATE transaction gives the same guarantee.)
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace appserver {

class BranchLocks {
public:
    std::unique_lock<std::mutex> Lock(const std::string& branch) {
        std::mutex* mutex = nullptr;
        {
            std::lock_guard<std::mutex> guard(tableMutex_);
            auto& slot = mutexes_[branch];
            if (!slot) slot = std::make_unique<std::mutex>();
            mutex = slot.get();
        }
        return std::unique_lock<std::mutex>(*mutex);
    }

private:
    std::mutex tableMutex_;
    // Entries live as long as the server: there are only as many as the company has branches.
    std::map<std::string, std::unique_ptr<std::mutex>> mutexes_;
};

}  // namespace appserver
