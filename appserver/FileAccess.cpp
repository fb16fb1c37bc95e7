#include "FileAccess.h"

#include "FileReplacement.h"

#include <fstream>
#include <vector>

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

FileAccess::WriteOutcome LocalFileAccess::Write(const std::filesystem::path& path,
                                                const std::function<void(std::ostream&)>& write) const {
    // Large writes in few system calls: an export runs to tens of megabytes.
    std::vector<char> buffer(1 << 16);
    std::ofstream out;
    out.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.open(path, std::ios::binary | std::ios::trunc);
    if (!out) return WriteOutcome::CannotCreate;
    write(out);
    out.close();
    if (!out) return WriteOutcome::Failed;
    return FileReplacement::Sync(path) ? WriteOutcome::Written : WriteOutcome::Failed;
}

}  // namespace appserver
