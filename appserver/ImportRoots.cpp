#include "ImportRoots.h"

#include "ServerMessages.h"
#include "Text.h"

#include <algorithm>

namespace appserver {

namespace {

bool HasParentStep(const std::filesystem::path& path) {
    return std::any_of(path.begin(), path.end(), [](const auto& part) { return part == ".."; });
}

bool IsBelow(const std::filesystem::path& path, const std::filesystem::path& root) {
    auto [rootEnd, pathAt] = std::mismatch(root.begin(), root.end(), path.begin(), path.end());
    return rootEnd == root.end();
}

ResolvedFile Refused(const std::string& message) { return ResolvedFile{false, {}, message}; }

}  // namespace

ImportRoots::ImportRoots(const std::vector<std::filesystem::path>& roots, const FileAccess& files) : files_(files) {
    for (const auto& root : roots) {
        if (auto canonical = files_.Canonical(root)) roots_.push_back(*canonical);
    }
}

bool ImportRoots::Contains(const std::filesystem::path& canonical) const {
    return std::any_of(roots_.begin(), roots_.end(), [&](const auto& root) { return IsBelow(canonical, root); });
}

ResolvedFile ImportRoots::Resolve(const std::string& name) const {
    const std::string trimmed = Trim(name);
    if (trimmed.empty()) return Refused(messages::kFileRequired);
    // The file system reads a name up to its first NUL byte: a name holding one would open a
    // file other than the one it spells. No file has such a name.
    if (trimmed.find('\0') != std::string::npos) return Refused(messages::kFileMissing);
    const std::filesystem::path asked(trimmed);
    const std::string outside = messages::Fill(messages::kFileOutsideRoots, {trimmed});
    if (HasParentStep(asked)) return Refused(outside);

    std::vector<std::filesystem::path> candidates;
    if (asked.is_absolute()) {
        candidates.push_back(asked);
    } else {
        for (const auto& root : roots_) candidates.push_back(root / asked);
    }
    bool foundOutside = false;
    for (const auto& candidate : candidates) {
        const auto canonical = files_.Canonical(candidate);
        if (!canonical) continue;
        if (Contains(*canonical)) return ResolvedFile{true, *canonical, {}};
        foundOutside = true;
    }
    if (foundOutside || (asked.is_absolute() && !Contains(asked.lexically_normal()))) return Refused(outside);
    return Refused(messages::kFileMissing);
}

}  // namespace appserver
