#pragma once
// Valid integration files of any size for tests, benchmarks and krd-genfile, the same bytes for
// the same settings on every machine.
#include "IntegrationFile.h"

#include <cstdint>
#include <ostream>
#include <string>

struct SyntheticMenuSettings {
    std::uint64_t seed = 1;
    int services = 3;            // 1 to 99999
    int dietsPerService = 4;     // 1 to 9999
    int dishTypesPerService = 6; // 1 to 99
    int dishes = 50;             // 1 to 999999
    int days = 7;                // 1 to 36600
    std::uint64_t menuLines = 100;
    std::string originBranch = "0001";
    std::string originBranchName = "Filial Sintética";
    TDateTime firstDay{45292}; // 2024-01-01
};

// The menu lines are spread evenly over every (service, day, diet, dish type) slot in that
// order, so a file with fewer lines than slots skips some and one with more repeats them with
// other dishes. Dishes, diners, names and flags come from the seed.
class SyntheticMenuFile {
  public:
    // Throws std::invalid_argument when a size is out of its range (a caller's mistake).
    explicit SyntheticMenuFile(SyntheticMenuSettings settings);

    // The header and definitions that Write puts in the file.
    const IntegrationFile& Definitions() const { return definitions_; }

    // Writes the whole file; the stream's state tells whether it was written.
    void Write(std::ostream& out) const;

  private:
    void Define();

    SyntheticMenuSettings settings_;
    IntegrationFile definitions_;
};
