#include "ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include <unistd.h>

namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
    std::random_device random;
    return path.parent_path() / ("." + path.filename().string() + ".tmp" + std::to_string(random()));
}

std::string Reason(int error) { return error == ENOSPC ? "disco cheio" : std::strerror(error); }

// The bytes reach the disk before the rename, so that a crash never leaves an empty file behind
// the new name.
bool WriteAll(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0 &&
           ::fsync(::fileno(file)) == 0;
}

}  // namespace

std::string ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path temporary = TemporaryBeside(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (!file) return Reason(errno);
    bool written = WriteAll(file, bytes);
    int error = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return "";
    if (written) error = errno;
    std::remove(temporary.c_str());
    return Reason(error);
}
