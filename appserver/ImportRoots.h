#pragma once
// Decides which file a caller-supplied name means, and refuses any name that would reach outside
// the configured import roots: a ".." component, an absolute path elsewhere, or a link whose
// target lies outside every root. Roots are compared after resolving links on both sides. A
// name holding a NUL byte names no file.
#include "FileAccess.h"

#include <filesystem>
#include <string>
#include <vector>

namespace appserver {

struct ResolvedFile {
    bool ok = false;
    std::filesystem::path path;  // canonical, when ok
    std::string error;           // for the user, when not ok
};

class ImportRoots {
public:
    // Roots that do not exist are kept out: nothing can be read below them.
    ImportRoots(const std::vector<std::filesystem::path>& roots, const FileAccess& files);

    ResolvedFile Resolve(const std::string& name) const;
    // Whether a canonical path lies below one of the roots (the export's roots use this alone).
    bool Contains(const std::filesystem::path& canonical) const;

private:
    std::vector<std::filesystem::path> roots_;
    const FileAccess& files_;
};

}  // namespace appserver
