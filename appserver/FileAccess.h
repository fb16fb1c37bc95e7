#pragma once
// The server's access to the file system, behind an interface so that tests can make a path
// vanish or a read fail midway without touching the code under test.
#include "IntegrationFileReader.h"

#include <filesystem>
#include <optional>

namespace appserver {

class FileAccess {
public:
    virtual ~FileAccess() = default;
    // The absolute path with every link resolved; nullopt when nothing exists there.
    virtual std::optional<std::filesystem::path> Canonical(const std::filesystem::path& path) const = 0;
    // Reads an integration file, streaming its menu lines to the sink (IntegrationFileReader).
    virtual IntegrationFileReadResult Read(const std::filesystem::path& path, const MenuLineSink& sink) const = 0;
};

class LocalFileAccess : public FileAccess {
public:
    std::optional<std::filesystem::path> Canonical(const std::filesystem::path& path) const override;
    IntegrationFileReadResult Read(const std::filesystem::path& path, const MenuLineSink& sink) const override;
};

}  // namespace appserver
