#include "FileReplacement.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <string>

FileReplacement::FileReplacement(const std::filesystem::path& target) : target_(target) {
    static std::atomic<unsigned> counter{0};
    temporary_ = target_.parent_path() / ("." + target_.filename().string() + "." + std::to_string(::getpid()) + "-" +
                                          std::to_string(counter++) + ".parcial");
}

FileReplacement::~FileReplacement() {
    std::error_code ignored;
    if (!committed_) std::filesystem::remove(temporary_, ignored);
}

bool FileReplacement::Commit() {
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    committed_ = !error;
    return committed_;
}

bool FileReplacement::Sync(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = descriptor >= 0 && ::fsync(descriptor) == 0;
    if (descriptor >= 0) ::close(descriptor);
    return synced;
}
