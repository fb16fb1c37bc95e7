#pragma once
// What the benchmarks share: a fresh temporary folder for their generated files, and the one
// synthetic workload that the parse and import benchmarks both measure, so that their figures
// speak of the same files.
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
