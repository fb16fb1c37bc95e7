#pragma once
// The server's access to the file system, behind an interface so that tests can make a path
// vanish, a read fail midway or a disk fill up without touching the code under test.
#include "IntegrationFileReader.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>

namespace appserver {

class FileAccess {
public:
    virtual ~FileAccess() = default;
    // The absolute path with every link resolved; nullopt when nothing exists there.
    virtual std::optional<std::filesystem::path> Canonical(const std::filesystem::path& path) const = 0;
    // Reads an integration file, streaming its menu lines to the sink (IntegrationFileReader).
    virtual IntegrationFileReadResult Read(const std::filesystem::path& path, const MenuLineSink& sink) const = 0;

    enum class WriteOutcome { Written, CannotCreate, Failed };
    // Creates (or empties) the file, lets `write` fill it, and makes it durable. CannotCreate:
    // the file could not be opened, nothing was written; Failed: a write, the flush or the sync
    // failed and the file may hold part of what was written. Exceptions of `write` pass through.
    virtual WriteOutcome Write(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write) const = 0;
};

class LocalFileAccess : public FileAccess {
public:
    std::optional<std::filesystem::path> Canonical(const std::filesystem::path& path) const override;
    IntegrationFileReadResult Read(const std::filesystem::path& path, const MenuLineSink& sink) const override;
    WriteOutcome Write(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write) const override;
};

}  // namespace appserver
