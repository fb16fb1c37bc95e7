#include "MappingProposal.h"

#include "PacketBuilder.h"
#include "PacketLayouts.h"
#include "Text.h"

#include <optional>
#include <set>
#include <tuple>

namespace appserver {

namespace {

std::string MatchKey(std::string_view name) { return FoldForMatch(Trim(name)); }

// The record whose name matches, else the one whose code is the same, else none.
template <typename Record>
const Record* MatchByNameThenCode(const std::vector<Record>& records, std::string_view name, std::string_view code) {
    const std::string key = MatchKey(name);
    for (const auto& record : records) {
        if (MatchKey(record.name) == key) return &record;
    }
    for (const auto& record : records) {
        if (record.code == code) return &record;
    }
    return nullptr;
}

const char* Flag(bool value) { return value ? "S" : "N"; }

void AddDietPairs(const IntegrationFile& file, const FileService& origin, const ServiceRecord* destination,
                  const BranchCatalogue& catalogue, PacketBuilder& diets) {
    const auto destinationDiets = destination ? catalogue.Diets(destination->code) : std::vector<DietRecord>{};
    const std::string destinationCode = destination ? destination->code : "";
    for (const auto& diet : file.diets) {
        if (diet.service != origin.code) continue;
        const DietRecord* match = MatchByNameThenCode(destinationDiets, diet.name, diet.code);
        diets.Add({origin.code, diet.code, diet.name, destinationCode, match ? match->code : "",
                   match ? match->name : ""});
    }
}

void AddDishTypePairs(const IntegrationFile& file, const FileService& origin, const ServiceRecord* destination,
                      const BranchCatalogue& catalogue, PacketBuilder& dishTypes) {
    const auto configuration =
        destination ? catalogue.Configuration(destination->code, file.header.firstDay) : std::vector<DishTypeRecord>{};
    const std::string destinationCode = destination ? destination->code : "";
    for (const auto& dishType : file.dishTypes) {
        if (dishType.service != origin.code) continue;
        const std::string key = MatchKey(dishType.name);
        const DishTypeRecord* match = nullptr;
        for (const auto& record : configuration) {
            if (MatchKey(record.name) == key) {
                match = &record;
                break;
            }
        }
        std::vector<Variant> row{origin.code,    dishType.code, dishType.sequence,     dishType.order,
                                 dishType.name,  Flag(dishType.option), destinationCode};
        if (match) {
            row.insert(row.end(), {match->code, dishType.sequence, dishType.order, match->name, "S"});
        } else {
            row.insert(row.end(), {Variant(), Variant(), Variant(), Variant(), "N"});
        }
        dishTypes.Add(std::move(row));
    }
}

}  // namespace

Variant::Array MappingProposal::Build(const IntegrationFile& file, const BranchCatalogue& destination) {
    const auto services = destination.Services();
    PacketBuilder pairs(layouts::Servicos());
    PacketBuilder diets(layouts::Dietas());
    PacketBuilder dishTypes(layouts::TipoPrat());
    for (const auto& origin : file.services) {
        const ServiceRecord* match = MatchByNameThenCode(services, origin.name, origin.code);
        pairs.Add({origin.code, match ? match->code : "", origin.name, match ? match->name : ""});
        AddDietPairs(file, origin, match, destination, diets);
        AddDishTypePairs(file, origin, match, destination, dishTypes);
    }

    PacketBuilder exportedServices(layouts::ServOrigem());
    for (const auto& service : file.services) exportedServices.Add({service.code, service.name});
    PacketBuilder exportedDiets(layouts::DietaOrig());
    for (const auto& diet : file.diets) exportedDiets.Add({diet.code, diet.name, diet.service});
    // The screen keys this list on service, code and option: one row for each such triple.
    PacketBuilder exportedDishTypes(layouts::TipoPratOrig());
    std::set<std::tuple<std::string, std::string, bool>> listed;
    for (const auto& dishType : file.dishTypes) {
        if (listed.emplace(dishType.service, dishType.code, dishType.option).second)
            exportedDishTypes.Add({dishType.service, dishType.code, dishType.name, Flag(dishType.option)});
    }
    return {pairs.Take(),           diets.Take(),         dishTypes.Take(),
            exportedServices.Take(), exportedDiets.Take(), exportedDishTypes.Take()};
}

}  // namespace appserver
