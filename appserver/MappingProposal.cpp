#include "MappingProposal.h"

#include "PacketBuilder.h"
#include "PacketLayouts.h"
#include "Text.h"

#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>

namespace appserver {

namespace {

std::string MatchKey(std::string_view name) { return FoldForMatch(Trim(name)); }

constexpr const char* kKept = "M";
constexpr const char* kSameName = "N";

// Finds records by code, or by name (trimmed, ignoring case and accents); where several share a
// name or code the first one wins. Built once per list, so that matching a large file costs a
// lookup per row instead of a pass over the list.
template <typename Record>
class RecordMatcher {
public:
    explicit RecordMatcher(const std::vector<Record>& records) {
        for (const auto& record : records) {
            byName_.emplace(MatchKey(record.name), &record);
            byCode_.emplace(record.code, &record);
        }
    }
    const Record* ByName(std::string_view name) const { return Find(byName_, MatchKey(name)); }
    const Record* ByCode(const std::string& code) const { return Find(byCode_, code); }

private:
    using Map = std::unordered_map<std::string, const Record*>;
    static const Record* Find(const Map& map, const std::string& key) {
        auto it = map.find(key);
        return it == map.end() ? nullptr : it->second;
    }
    Map byName_, byCode_;
};

template <typename Record>
struct Proposal {
    const Record* record = nullptr;
    const char* source = "";
};

// The kept destination while it is still among the records, else the one of the same name.
template <typename Record>
Proposal<Record> Propose(const RecordMatcher<Record>& matcher, const std::string* keptCode, std::string_view name) {
    if (keptCode) {
        if (const Record* kept = matcher.ByCode(*keptCode)) return {kept, kKept};
    }
    if (const Record* named = matcher.ByName(name)) return {named, kSameName};
    return {};
}

template <typename Map, typename Key>
const typename Map::mapped_type* Kept(const Map& map, const Key& key) {
    auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

// The file's rows of each service, in file order.
template <typename Item>
std::unordered_map<std::string, std::vector<const Item*>> ByService(const std::vector<Item>& items) {
    std::unordered_map<std::string, std::vector<const Item*>> groups;
    for (const auto& item : items) groups[item.service].push_back(&item);
    return groups;
}

template <typename Item>
const std::vector<const Item*>& RowsOf(const std::unordered_map<std::string, std::vector<const Item*>>& groups,
                                       const std::string& service) {
    static const std::vector<const Item*> none;
    auto it = groups.find(service);
    return it == groups.end() ? none : it->second;
}

const char* Flag(bool value) { return value ? "S" : "N"; }

void AddDietPairs(const std::vector<const FileDiet*>& originDiets, const FileService& origin,
                  const ServiceRecord* destination, const BranchCatalogue& catalogue, const KeptChoices& kept,
                  PacketBuilder& diets) {
    const auto destinationDiets = destination ? catalogue.Diets(destination->code) : std::vector<DietRecord>{};
    const RecordMatcher<DietRecord> matcher(destinationDiets);
    const std::string destinationCode = destination ? destination->code : "";
    for (const FileDiet* diet : originDiets) {
        const KeptDiet* keptDiet = Kept(kept.diets, std::pair(origin.code, diet->code));
        const bool holds = keptDiet && keptDiet->service == destinationCode;
        const auto match = Propose(matcher, holds ? &keptDiet->diet : nullptr, diet->name);
        diets.Add({origin.code, diet->code, diet->name, destinationCode, match.record ? match.record->code : "",
                   match.record ? match.record->name : "", match.source});
    }
}

void AddDishTypePairs(const std::vector<const FileDishType*>& originDishTypes, const IntegrationFile& file,
                      const FileService& origin, const ServiceRecord* destination, const BranchCatalogue& catalogue,
                      const KeptChoices& kept, PacketBuilder& dishTypes) {
    const auto configuration =
        destination ? catalogue.Configuration(destination->code, file.header.firstDay) : std::vector<DishTypeRecord>{};
    const RecordMatcher<DishTypeRecord> matcher(configuration);
    const std::string destinationCode = destination ? destination->code : "";
    for (const FileDishType* dishType : originDishTypes) {
        const KeptDishType* keptType =
            Kept(kept.dishTypes, std::tuple(origin.code, dishType->code, dishType->sequence));
        if (keptType && keptType->service != destinationCode) keptType = nullptr;
        const bool leftUnmarked = keptType && !keptType->marked;
        const auto match = leftUnmarked ? Proposal<DishTypeRecord>{nullptr, kKept}
                                        : Propose(matcher, keptType ? &keptType->dishType : nullptr, dishType->name);
        std::vector<Variant> row{origin.code,    dishType->code, dishType->sequence,     dishType->order,
                                 dishType->name, Flag(dishType->option), destinationCode};
        if (match.record) {
            const int sequence = std::string_view(match.source) == kKept ? keptType->sequence : dishType->sequence;
            row.insert(row.end(), {match.record->code, sequence, dishType->order, match.record->name, "S"});
        } else {
            row.insert(row.end(), {Variant(), Variant(), Variant(), Variant(), "N"});
        }
        row.emplace_back(file.header.firstDay);  // the day whose configuration was matched
        row.emplace_back(match.source);
        dishTypes.Add(std::move(row));
    }
}

}  // namespace

Variant::Array MappingProposal::Build(const IntegrationFile& file, const BranchCatalogue& destination,
                                      const KeptChoices& kept) {
    const auto services = destination.Services();
    const RecordMatcher<ServiceRecord> serviceMatcher(services);
    const auto dietsByService = ByService(file.diets);
    const auto dishTypesByService = ByService(file.dishTypes);
    PacketBuilder pairs(layouts::Servicos());
    PacketBuilder diets(layouts::Dietas());
    PacketBuilder dishTypes(layouts::TipoPrat());
    for (const auto& origin : file.services) {
        const auto match = Propose(serviceMatcher, Kept(kept.services, origin.code), origin.name);
        pairs.Add({origin.code, match.record ? match.record->code : "", origin.name,
                   match.record ? match.record->name : "", match.source});
        AddDietPairs(RowsOf(dietsByService, origin.code), origin, match.record, destination, kept, diets);
        AddDishTypePairs(RowsOf(dishTypesByService, origin.code), file, origin, match.record, destination, kept,
                         dishTypes);
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
