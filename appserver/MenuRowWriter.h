#pragma once
// Writes the menu rows of an import into a branch's CARDAPIO, many rows to a statement: a bulk
// import of one row per statement spends most of its time in SQLite's per-statement work, not
// in the rows. A row whose key is there already (two lines of one slot in a file, or a row
// written earlier in the same import) adds its diners to it.
//
//   MenuRowWriter writer(db, "0003");
//   writer.Add({service, "2025-06-02", diet, dishType, 1, dish, 40});  // may wait for more rows
//   writer.Flush();                                                   // writes the rest
//
// Rows are held and their texts bound without copying: every text of a row must stay alive and
// unchanged until Flush returns or the writer is gone.
#include "SqliteStatement.h"

#include <array>
#include <string>
#include <string_view>

namespace appserver {

struct MenuRow {
    std::string_view service;
    std::string_view date;  // yyyy-mm-dd
    std::string_view diet;
    std::string_view dishType;
    int sequence = 0;
    std::string_view dish;
    int diners = 0;
};

class MenuRowWriter {
public:
    MenuRowWriter(SqliteDatabase& db, const std::string& branch);

    void Add(const MenuRow& row);
    void Flush();

private:
    static constexpr int kRowsPerStatement = 32;

    static void Bind(SqliteStatement& statement, int firstParameter, const MenuRow& row);

    SqliteStatement many_;  // kRowsPerStatement rows
    SqliteStatement one_;   // the rest at the end
    std::array<MenuRow, kRowsPerStatement> held_;
    int heldCount_ = 0;
};

}  // namespace appserver
