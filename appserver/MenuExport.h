#pragma once
// The server method ExportaCardapio: writes the menus of a branch for a period into an
// integration file (ExportedMenus.h says what goes in), or hands the file's text back.
//
// Target: an absolute path below the server's export roots is written there, never half
// (FileReplacement.h): any failure leaves the target as it was and no temporary file. An empty
// target asks for the text in the answer, for a client that writes the file on its own disk.
//
// Answer payload: [target written or "", services, diets, dish types, dishes, menu lines, text
// or Null] (docs/server-protocol.md).
#include "FileAccess.h"
#include "ImportRoots.h"
#include "SqliteDatabase.h"
#include "Variant.h"

#include <filesystem>
#include <string>

namespace appserver {

class ExportedMenus;

class MenuExport {
public:
    MenuExport(SqliteDatabase& db, const ImportRoots& exportRoots, const FileAccess& files);

    Variant ExportaCardapio(const std::string& branch, TDateTime firstDay, TDateTime lastDay, const Variant& services,
                            const std::string& target);

private:
    // The target's canonical folder, or a refusal.
    std::variant<std::filesystem::path, std::string> TargetFolder(const std::filesystem::path& target) const;
    // "" when the file now stands at the target, else a refusal.
    std::string WriteTarget(const ExportedMenus& menus, const std::filesystem::path& target);

    SqliteDatabase& db_;
    const ImportRoots& exportRoots_;
    const FileAccess& files_;
};

}  // namespace appserver
