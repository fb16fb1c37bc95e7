// krd-genfile: writes a synthetic integration file of any size, the same bytes for the same options.
#include "DateTime.h"
#include "SyntheticMenuFile.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>

namespace {

bool ParseDay(const std::string& text, TDateTime& day) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    return TryEncodeDate(std::stoi(text.substr(0, 4)), std::stoi(text.substr(4, 2)),
                         std::stoi(text.substr(6, 2)), day);
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Writes a synthetic integration file (Windows-1252, separator 0xF8, CR LF)."};
    SyntheticMenuSettings settings;
    std::string firstDay = "20240101";
    std::string output;
    app.add_option("-o,--output", output, "File to write")->required();
    app.add_option("-n,--menu-lines", settings.menuLines, "Number of menu lines")->capture_default_str();
    app.add_option("--seed", settings.seed, "Seed of names, dishes and diners")->capture_default_str();
    app.add_option("--services", settings.services, "Services (1-99999)")->capture_default_str();
    app.add_option("--diets", settings.dietsPerService, "Diets per service (1-9999)")->capture_default_str();
    app.add_option("--dish-types", settings.dishTypesPerService, "Dish types per service (1-99)")
        ->capture_default_str();
    app.add_option("--dishes", settings.dishes, "Dishes (1-999999)")->capture_default_str();
    app.add_option("--days", settings.days, "Days in the period (1-36600)")->capture_default_str();
    app.add_option("--first-day", firstDay, "First day of the period, yyyymmdd")->capture_default_str();
    app.add_option("--branch", settings.originBranch, "Origin branch code (4 characters)")
        ->capture_default_str();
    app.add_option("--branch-name", settings.originBranchName, "Origin branch name")->capture_default_str();
    CLI11_PARSE(app, argc, argv);

    if (!ParseDay(firstDay, settings.firstDay)) {
        std::cerr << "krd-genfile: --first-day must be a real day written as yyyymmdd\n";
        return 2;
    }
    std::unique_ptr<SyntheticMenuFile> file;
    try {
        file = std::make_unique<SyntheticMenuFile>(settings);
    } catch (const std::invalid_argument& error) {
        std::cerr << "krd-genfile: " << error.what() << "\n";
        return 2;
    }

    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    file->Write(out);
    out.close();
    if (!out) {
        std::cerr << "krd-genfile: cannot write " << output << "\n";
        return 1;
    }
    std::cout << "wrote " << settings.menuLines << " menu lines to " << output << "\n";
    return 0;
}
