#pragma once
// The menus of the demo week in a branch's store: the ITEM lines of the demo file, which the
// demo's origin branch exported, written back as that branch's menu rows (rows already there
// stay).
#include "SqliteDatabase.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace screens::testing {

inline void StoreDemoMenus(const std::string& store, const std::filesystem::path& demoFile, const std::string& branch) {
    std::ifstream in(demoFile, std::ios::binary);
    std::string sql = "BEGIN;";
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> f;
        for (size_t start = 0, end; (end = line.find('\xF8', start)) != std::string::npos; start = end + 1)
            f.push_back(line.substr(start, end - start));
        if (f.size() < 8 || f[0] != "ITEM") continue;
        const std::string day = f[2].substr(0, 4) + "-" + f[2].substr(4, 2) + "-" + f[2].substr(6, 2);
        sql += "INSERT OR IGNORE INTO CARDAPIO VALUES ('" + branch + "', '" + f[1] + "', '" + day + "', '" + f[3] +
               "', '" + f[4] + "', " + f[5] + ", '" + f[6] + "', " + f[7] + ");";
    }
    appserver::SqliteDatabase(store).Execute(sql + "COMMIT;");
}

}  // namespace screens::testing
