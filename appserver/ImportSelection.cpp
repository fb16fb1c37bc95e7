#include "ImportSelection.h"

#include <algorithm>
#include <optional>

namespace appserver {

namespace {

// The rows of a mapping table as the screen holds them: a change log's deleted rows and original
// images are not part of it.
bool IsCurrent(const PacketRow& row) { return row.Kind != RowKind::Deleted && row.Kind != RowKind::Original; }

class Columns {
public:
    Columns(const DataPacket& packet, std::string& missing) : packet_(packet), missing_(missing) {}

    std::optional<size_t> operator()(const char* name) {
        auto index = packet_.FieldIndex(name);
        if (!index && missing_.empty()) missing_ = name;
        return index;
    }

private:
    const DataPacket& packet_;
    std::string& missing_;
};

std::string Text(const PacketRow& row, size_t column) { return row.Values[column].AsString(); }

// A second mapping of the same origin to another destination: the import would carry one of them
// only, so it is refused whole, naming the codes, instead of dropping the other unseen.
std::string ServiceMappedTwice(const std::string& origin, const std::string& first, const std::string& second) {
    return "O serviço origem " + origin + " está mapeado para dois serviços destino (" + first + " e " + second +
           "); mapeie-o para um só.";
}

std::string DietMappedTwice(const std::string& service, const std::string& origin, const std::string& first,
                            const std::string& second) {
    return "A dieta origem " + origin + " do serviço origem " + service + " está mapeada para duas dietas destino (" +
           first + " e " + second + "); mapeie-a para uma só.";
}

int Number(const PacketRow& row, size_t column, int fallback) {
    const Variant& value = row.Values[column];
    return value.IsNull() ? fallback : static_cast<int>(value.AsInteger());
}

}  // namespace

std::variant<ImportSelection, std::string> ImportSelection::Read(const Variant& servicesValue,
                                                                 const Variant& dietsValue,
                                                                 const Variant& dishTypesValue) {
    if (!servicesValue.IsPacket() || !dietsValue.IsPacket() || !dishTypesValue.IsPacket())
        return std::string("As tabelas de serviços, dietas e tipos de prato devem ser pacotes de dados.");
    const DataPacket& services = servicesValue.AsPacket();
    const DataPacket& diets = dietsValue.AsPacket();
    const DataPacket& dishTypes = dishTypesValue.AsPacket();

    std::string missing;
    Columns serviceColumn(services, missing), dietColumn(diets, missing), dishTypeColumn(dishTypes, missing);
    const auto serviceOrigin = serviceColumn("CDSERVFILIORIG"), serviceDestination = serviceColumn("CDSERVFILIDEST");
    const auto dietService = dietColumn("CDSERVORIG"), dietOrigin = dietColumn("CDDIETORIG"),
               dietDestinationService = dietColumn("CDSERVDEST"), dietDestination = dietColumn("CDDIETDEST");
    const auto typeService = dishTypeColumn("CDSERVORIG"), typeOrigin = dishTypeColumn("CDTIPOORIG"),
               typeSequence = dishTypeColumn("NRSEQORIG"), typeDestinationService = dishTypeColumn("CDSERVDEST"),
               typeDestination = dishTypeColumn("CDTIPODEST"), typeDestinationSequence = dishTypeColumn("NRSEQDEST"),
               typeImport = dishTypeColumn("IDIMPORTAR");
    if (!missing.empty()) return "Falta o campo " + missing + " nas tabelas de mapeamento.";
    const auto typeMatchedFor = dishTypes.FieldIndex("DTCNFDEST");

    ImportSelection selection;
    std::map<std::string, std::string> mapped;
    for (const auto& row : services.Rows) {
        const std::string origin = Text(row, *serviceOrigin), destination = Text(row, *serviceDestination);
        if (!IsCurrent(row) || origin.empty() || destination.empty()) continue;
        const auto [mapping, added] = mapped.emplace(origin, destination);
        if (!added && mapping->second != destination) return ServiceMappedTwice(origin, mapping->second, destination);
    }
    for (const auto& row : dishTypes.Rows) {
        const std::string service = Text(row, *typeService), destination = Text(row, *typeDestination);
        auto pair = mapped.find(service);
        if (!IsCurrent(row) || pair == mapped.end()) continue;
        const int sequence = Number(row, *typeSequence, 0);
        if (Text(row, *typeImport) != "S") {
            selection.unmarked_.push_back({service, Text(row, *typeOrigin), sequence, std::nullopt});
            continue;
        }
        if (destination.empty() || Text(row, *typeDestinationService) != pair->second) continue;
        std::optional<TDateTime> matchedFor;
        if (typeMatchedFor && !row.Values[*typeMatchedFor].IsNull())
            matchedFor = row.Values[*typeMatchedFor].AsDate();
        selection.dishTypes_.emplace(
            std::string(selection.Key(service, Text(row, *typeOrigin), sequence)),
            DishTypeTarget{destination, Number(row, *typeDestinationSequence, sequence), matchedFor});
        selection.pairs_.emplace(service, pair->second);
    }
    for (const auto& [origin, destination] : selection.pairs_) selection.services_.emplace(origin, destination);
    for (const auto& row : diets.Rows) {
        const std::string service = Text(row, *dietService), destination = Text(row, *dietDestination);
        const std::string* pair = selection.Service(service);
        if (!IsCurrent(row) || destination.empty() || !pair || Text(row, *dietDestinationService) != *pair) continue;
        const std::string origin = Text(row, *dietOrigin);
        if (origin.empty()) continue;
        const auto [mapping, added] =
            selection.diets_.emplace(std::string(selection.Key(service, origin)), destination);
        if (!added && mapping->second != destination)
            return DietMappedTwice(service, origin, mapping->second, destination);
        selection.destinationDiets_.emplace(*pair, destination);
    }
    return selection;
}

std::string_view ImportSelection::Key(std::string_view a, std::string_view b) const {
    key_.assign(a);
    key_ += '\x1f';
    key_.append(b);
    return key_;
}

std::string_view ImportSelection::Key(std::string_view a, std::string_view b, int sequence) const {
    Key(a, b);
    key_ += '\x1f';
    key_ += std::to_string(sequence);
    return key_;
}

const std::string* ImportSelection::Service(std::string_view origin) const {
    auto found = services_.find(origin);
    return found == services_.end() ? nullptr : &found->second;
}

const std::string* ImportSelection::Diet(std::string_view service, std::string_view diet) const {
    auto found = diets_.find(Key(service, diet));
    return found == diets_.end() ? nullptr : &found->second;
}

const DishTypeTarget* ImportSelection::DishType(std::string_view service, std::string_view dishType,
                                                int sequence) const {
    auto found = dishTypes_.find(Key(service, dishType, sequence));
    return found == dishTypes_.end() ? nullptr : &found->second;
}

bool ImportSelection::HasDiets(const std::string& originService) const {
    const std::string prefix = originService + '\x1f';
    for (const auto& [key, destination] : diets_) {
        if (key.starts_with(prefix)) return true;
    }
    return false;
}

std::multimap<std::string, std::string> ImportSelection::DestinationDiets() const { return destinationDiets_; }

std::vector<DestinationDishType> ImportSelection::DestinationDishTypes() const {
    std::vector<DestinationDishType> result;
    for (const auto& [key, target] : dishTypes_)
        result.push_back({*Service(key.substr(0, key.find('\x1f'))), target.code, target.matchedFor});
    return result;
}

std::vector<DietChoice> ImportSelection::DietChoices() const {
    std::vector<DietChoice> result;
    for (const auto& [key, destination] : diets_) {
        const size_t split = key.find('\x1f');
        result.push_back({key.substr(0, split), key.substr(split + 1), destination});
    }
    return result;
}

std::vector<DishTypeChoice> ImportSelection::DishTypeChoices() const {
    // Unmarked rows first: where a row repeats, the marked one is the choice that carried menus.
    std::vector<DishTypeChoice> result;
    for (const auto& choice : unmarked_) {
        if (Service(choice.service)) result.push_back(choice);
    }
    for (const auto& [key, target] : dishTypes_) {
        const size_t first = key.find('\x1f'), second = key.find('\x1f', first + 1);
        result.push_back({key.substr(0, first), key.substr(first + 1, second - first - 1),
                          std::stoi(key.substr(second + 1)), target});
    }
    return result;
}

std::vector<std::string> ImportSelection::Describe() const {
    auto parts = [](std::string key) {
        std::replace(key.begin(), key.end(), '\x1f', ' ');
        return key;
    };
    std::vector<std::string> services, diets, dishTypes;
    for (const auto& [origin, destination] : pairs_) services.push_back("Serviço " + origin + " -> " + destination);
    for (const auto& [key, destination] : diets_)
        diets.push_back("Dieta (serviço, dieta) " + parts(key) + " -> " + destination);
    for (const auto& [key, target] : dishTypes_)
        dishTypes.push_back("Tipo de prato (serviço, tipo, sequência) " + parts(key) + " -> " + target.code + " " +
                            std::to_string(target.sequence));
    std::sort(diets.begin(), diets.end());
    std::sort(dishTypes.begin(), dishTypes.end());
    services.insert(services.end(), diets.begin(), diets.end());
    services.insert(services.end(), dishTypes.begin(), dishTypes.end());
    return services;
}

}  // namespace appserver
