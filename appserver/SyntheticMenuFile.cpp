#include "SyntheticMenuFile.h"

#include "IntegrationFileWriter.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace {

// SplitMix64: tiny, and unlike the standard distributions it gives the same numbers everywhere.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number from 0 to count - 1 (the slight bias of the modulo does not matter here).
    std::uint64_t Below(std::uint64_t count) { return Next() % count; }

    template <size_t N> std::string_view Pick(const std::array<std::string_view, N>& words) {
        return words[Below(N)];
    }

  private:
    std::uint64_t state_;
};

constexpr std::array<std::string_view, 6> kServiceWords = {"Desjejum", "Colação", "Almoço",
                                                           "Lanche",   "Jantar",  "Ceia"};
constexpr std::array<std::string_view, 8> kDietWords = {
    "Livre", "Branda", "Pastosa", "Líquida", "Hipossódica", "Hipoglicídica", "Hiperprotéica", "Sem lactose"};
// Each at most 15 characters, the size of a dish type name.
constexpr std::array<std::string_view, 12> kDishTypeNames = {
    "Prato Principal", "Guarnição", "Salada",  "Sopa", "Sobremesa",     "Suco", "Pão",
    "Fruta",           "Bebida",    "Entrada", "Café", "Acompanhamento"};
constexpr std::array<std::string_view, 10> kDishWords = {"Arroz", "Feijão", "Frango", "Peixe", "Purê",
                                                         "Maçã",  "Pudim",  "Creme",  "Caldo", "Suflê"};
constexpr std::array<std::string_view, 8> kDishStyles = {"à grega", "assado",    "grelhado",   "ao molho",
                                                         "cozido",  "gratinado", "à milanesa", "simples"};

std::string Padded(std::uint64_t number, size_t width) {
    std::string digits = std::to_string(number);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

void CheckRange(std::string_view what, std::int64_t value, std::int64_t min, std::int64_t max) {
    if (value < min || value > max)
        throw std::invalid_argument(std::string(what) + " must be from " + std::to_string(min) + " to " +
                                    std::to_string(max));
}

} // namespace

SyntheticMenuFile::SyntheticMenuFile(SyntheticMenuSettings settings) : settings_(std::move(settings)) {
    CheckRange("services", settings_.services, 1, 99999);
    CheckRange("diets per service", settings_.dietsPerService, 1, 9999);
    CheckRange("dish types per service", settings_.dishTypesPerService, 1, 99);
    CheckRange("dishes", settings_.dishes, 1, 999999);
    CheckRange("days", settings_.days, 1, 36600);
    Define();
}

void SyntheticMenuFile::Define() {
    Random random(settings_.seed);
    IntegrationFile& file = definitions_;
    file.header = {settings_.originBranch, settings_.originBranchName, settings_.firstDay,
                   settings_.firstDay + (settings_.days - 1)};
    for (int s = 1; s <= settings_.services; ++s) {
        std::string code = Padded(static_cast<std::uint64_t>(s), 5);
        file.services.push_back(
            {code, std::string(random.Pick(kServiceWords)) + " " + std::to_string(s), random.Below(4) == 0});
        for (int d = 1; d <= settings_.dietsPerService; ++d)
            file.diets.push_back({code, Padded(static_cast<std::uint64_t>(d), 4),
                                  std::string(random.Pick(kDietWords)) + " " + std::to_string(d)});
        // Past the list of names, a dish type comes back as an option of an earlier one.
        for (int t = 0; t < settings_.dishTypesPerService; ++t) {
            size_t name = static_cast<size_t>(t) % kDishTypeNames.size();
            file.dishTypes.push_back({code, Padded(name + 1, 2), t + 1, t + 1,
                                      std::string(kDishTypeNames[name]),
                                      static_cast<size_t>(t) >= kDishTypeNames.size()});
        }
    }
    for (int k = 1; k <= settings_.dishes; ++k)
        file.dishes.push_back({Padded(static_cast<std::uint64_t>(k), 6),
                               std::string(random.Pick(kDishWords)) + " " +
                                   std::string(random.Pick(kDishStyles)) + " " + std::to_string(k)});
}

void SyntheticMenuFile::Write(std::ostream& out) const {
    IntegrationFileWriter writer(out);
    writer.Write(definitions_);

    const auto& file = definitions_;
    const std::uint64_t types = static_cast<std::uint64_t>(settings_.dishTypesPerService);
    const std::uint64_t diets = static_cast<std::uint64_t>(settings_.dietsPerService);
    const std::uint64_t days = static_cast<std::uint64_t>(settings_.days);
    const unsigned __int128 slots = static_cast<unsigned __int128>(settings_.services) * days * diets * types;
    Random random(settings_.seed ^ 0x5DEECE66Dull);
    for (std::uint64_t i = 0; i < settings_.menuLines; ++i) {
        auto slot = static_cast<std::uint64_t>(i * slots / settings_.menuLines);
        const std::uint64_t type = slot % types, diet = slot / types % diets,
                            day = slot / types / diets % days, service = slot / types / diets / days;
        const FileDishType& dishType = file.dishTypes[service * types + type];
        MenuLine line;
        line.service = file.services[service].code;
        line.date = settings_.firstDay + static_cast<int>(day);
        line.diet = file.diets[service * diets + diet].code;
        line.dishType = dishType.code;
        line.sequence = dishType.sequence;
        line.dish = file.dishes[random.Below(file.dishes.size())].code;
        line.diners = static_cast<int>(random.Below(500));
        writer.Write(line);
    }
}
