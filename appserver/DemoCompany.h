#pragma once
// A demonstration company: a head office and three branches (one with a rescinded contract),
// hospital and staff-restaurant services with standard diets and dish-type configurations, a
// shared dish tree, a withdrawal outside the demo period, the menus of one week in the origin
// branch, and the demo integration file: the origin's export of that week, which imports without
// refusal into every other branch with a live contract.
//
// Integration parameters: IDMODMATRIZFILI "T" (import allowed in both host modes),
// IDVALPERIODOINT "S" (the period rule applies). The remembered file name of the screen is the
// demo file's path.
#include <filesystem>
#include <string>
#include <vector>

namespace appserver {

class DemoCompany {
public:
    static constexpr const char* kHeadOffice = "0001";
    static constexpr const char* kOriginBranch = "0002";    // has the demo menus, exports the demo file
    static constexpr const char* kRescindedBranch = "0004";
    // Branches that accept the demo file: live contract, not its origin.
    static std::vector<std::string> ImportableBranches() { return {"0001", "0003"}; }

    // Creates the database (which must not exist yet, or be empty) and exports the demo file
    // from it. The file's folder must exist.
    // Raises StoreError or std::runtime_error on failure.
    static void Create(const std::string& databasePath, const std::filesystem::path& filePath);

    // The head office registers services 00001 to 00003 with diets 0001 to 0004; synthetic files
    // of that shape from kOriginBranch share only those codes, not the names. Keeps the mappings
    // of each code to itself for that pair, as a person would have set them once.
    static void KeepSyntheticMappings(const std::string& databasePath);
};

}  // namespace appserver
