#include "FileAccess.h"

namespace appserver {

std::optional<std::filesystem::path> LocalFileAccess::Canonical(const std::filesystem::path& path) const {
    std::error_code error;
    auto canonical = std::filesystem::canonical(path, error);
    if (error) return std::nullopt;
    return canonical;
}

IntegrationFileReadResult LocalFileAccess::Read(const std::filesystem::path& path, const MenuLineSink& sink) const {
    return IntegrationFileReader::Read(path, sink);
}

}  // namespace appserver
