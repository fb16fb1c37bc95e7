#pragma once
// The menus of one branch for a period, as an integration file holds them
// (docs/integration-file.md): gathered and checked from the store in a first pass over the menu
// rows, written in a second.
//
//   auto gathered = ExportedMenus::Gather(db, ExportRequest{"0002", first, last, {}});
//   if (auto* refusal = std::get_if<std::string>(&gathered)) return Answer::Failure(*refusal);
//   std::get<ExportedMenus>(gathered).Write(db, out);
//
// What goes in: the services asked for (every service of the branch when none is) that have
// menu rows in the period; the standard diets and the dishes those rows use; each such service's
// whole dish-type configuration valid on the first day. A service whose configuration changes
// inside the period is refused: the file holds one configuration per service, and menus of two
// configurations mapped through one would land in the wrong slots. Every name, code and number
// is checked against the format first, so the file that is written reads back without refusal.
//
// Both passes must see the same rows: the caller runs them inside one read transaction.
#include "IntegrationFile.h"
#include "SqliteDatabase.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace appserver {

struct ExportRequest {
    std::string branch;
    TDateTime firstDay;
    TDateTime lastDay;
    std::vector<std::string> services;  // empty: all of the branch's
};

class ExportedMenus {
public:
    // The menus to write, or why they cannot be (in Portuguese, for the user).
    static std::variant<ExportedMenus, std::string> Gather(SqliteDatabase& db, const ExportRequest& request);

    // Header and definitions, in the order they are written.
    const IntegrationFile& Definitions() const { return file_; }
    uint64_t MenuLines() const { return menuLines_; }

    // Writes the whole file: menu lines sorted by service, day, diet, dish type, sequence and
    // dish. Stream failures are left in the stream's state.
    void Write(SqliteDatabase& db, std::ostream& out) const;

private:
    ExportedMenus() = default;

    std::string branch_;
    IntegrationFile file_;
    uint64_t menuLines_ = 0;
};

}  // namespace appserver
