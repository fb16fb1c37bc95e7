#pragma once
// What one application server instance is configured with. Whether the period rule applies is
// not configuration: it comes from the company's integration parameters in the store.
#include "SqliteDatabase.h"

#include <filesystem>
#include <string>
#include <vector>

namespace appserver {

struct ServerConfig {
    std::string databasePath;
    // Integration files are read only below these folders. A relative file name is looked up
    // below each root in turn; an absolute one must lie below one of them. No roots: no file can
    // be read.
    std::vector<std::filesystem::path> importRoots;
    // How long a call waits for another writer (an import, in this process or another) to let go
    // of the store before it fails. Long enough for an import of millions of menu lines.
    int busyTimeoutMs = SqliteDatabase::kDefaultBusyTimeoutMs;
    // How many days a written import can be undone: the menu rows it replaced are kept that long.
    int undoKeepDays = 90;
    // Exported files are written only below these folders, at the absolute path the caller
    // names; a caller that names no path gets the file's text in the answer instead. No roots:
    // the server writes no file.
    std::vector<std::filesystem::path> exportRoots = {};
};

}  // namespace appserver
