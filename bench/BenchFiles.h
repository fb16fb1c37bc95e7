#pragma once
// What the benchmarks share: a fresh temporary folder for their generated files, and the one
// synthetic workload that the parse and import benchmarks both measure, so that their figures
// speak of the same files.
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "SyntheticMenuFile.h"

#include <filesystem>
#include <stdexcept>
#include <string>

#include <stdlib.h>

inline std::filesystem::path MakeBenchFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temp folder");
    return pattern;
}

// Ten services of twenty diets and fifteen dish types, 5,000 dishes over a month.
inline SyntheticMenuSettings MenuWorkload(std::uint64_t menuLines) {
    SyntheticMenuSettings settings;
    settings.services = 10;
    settings.dietsPerService = 20;
    settings.dishTypesPerService = 15;
    settings.dishes = 5000;
    settings.days = 31;
    settings.menuLines = menuLines;
    return settings;
}

// Registers branch 0009 with the file's services, diets, dish types and dishes under the file's
// own codes, so that the file imports into it as proposed.
inline void RegisterDestination(appserver::SqliteDatabase& db, const IntegrationFile& file) {
    db.Execute("INSERT INTO PARAMINTEGRACAO VALUES ('1', 'T', 'S', 'N', '')");
    db.Execute("INSERT INTO FILIAL VALUES ('0009', 'Filial de medição', 'N')");
    auto service = db.Prepare("INSERT INTO SERVFILI VALUES ('0009', ?, ?, ?)");
    for (const auto& s : file.services) service.Bind(1, s.code).Bind(2, s.name).Bind(3, s.hospital ? "S" : "N").Run();
    auto diet = db.Prepare("INSERT INTO SERVDIETA VALUES ('0009', ?, ?, ?)");
    for (const auto& d : file.diets) diet.Bind(1, d.service).Bind(2, d.code).Bind(3, d.name).Run();
    auto type = db.Prepare("INSERT INTO CNFCARDAPIO VALUES ('0009', ?, '2000-01-01', ?, ?, ?, ?, ?)");
    for (const auto& t : file.dishTypes)
        type.Bind(1, t.service).Bind(2, t.code).Bind(3, t.sequence).Bind(4, t.order).Bind(5, t.name)
            .Bind(6, t.option ? "S" : "N").Run();
    auto dish = db.Prepare("INSERT INTO PRATO VALUES ('0009', ?, ?)");
    for (const auto& d : file.dishes) dish.Bind(1, d.code).Bind(2, d.name).Run();
}
