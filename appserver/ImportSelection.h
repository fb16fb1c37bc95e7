#pragma once
// What the user chose to import, read from the three mapping tables the screen sends back:
// which origin service goes to which destination service, which origin diet to which destination
// diet within a pair, and which origin dish type (code and sequence) goes to which destination
// dish type. Only rows that can carry menus count: a service pair with both codes, a diet row
// with both codes for that pair, a dish-type row marked "S" with a destination code for that
// pair. A pair with no such dish-type row imports nothing and is left out altogether. An origin
// service, or an origin diet of an imported pair, mapped to two different destinations is
// refused: the menus of an origin go to one destination.
//
// Look-ups take the menu line's views without copying, so the import can ask for every line.
#include "DataPacket.h"

#include <map>
#include <optional>
#include <vector>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>

namespace appserver {

struct DishTypeTarget {
    std::string code;
    int sequence = 0;
    // The destination start date the screen matched the code for (DTCNFDEST); none from a screen
    // that did not say, or for a row the rebuild never touched.
    std::optional<TDateTime> matchedFor;
};

// A destination dish type in use, with the day whose configuration must hold it.
struct DestinationDishType {
    std::string service;
    std::string code;
    std::optional<TDateTime> matchedFor;
};

// Choices of an imported pair, keyed by origin codes, as the kept mappings record them.
struct DietChoice {
    std::string service;
    std::string diet;
    std::string destination;
};

// A dish-type row with its target when marked for import, without one when left unmarked.
struct DishTypeChoice {
    std::string service;
    std::string dishType;
    int sequence = 0;
    std::optional<DishTypeTarget> target;
};

class ImportSelection {
public:
    // The selection, or a message saying what is wrong with the packets.
    static std::variant<ImportSelection, std::string> Read(const Variant& services, const Variant& diets,
                                                           const Variant& dishTypes);

    // Destination service of an origin service; nullptr when it is not imported.
    const std::string* Service(std::string_view origin) const;
    // Destination diet of an origin diet of an imported service; nullptr when not mapped.
    const std::string* Diet(std::string_view service, std::string_view diet) const;
    const DishTypeTarget* DishType(std::string_view service, std::string_view dishType, int sequence) const;

    // Origin service -> destination service, for every imported pair.
    const std::map<std::string, std::string>& Pairs() const { return pairs_; }
    bool HasDiets(const std::string& originService) const;
    // Destination codes in use, for checking them against the destination branch.
    std::multimap<std::string, std::string> DestinationDiets() const;       // service -> diet
    std::vector<DestinationDishType> DestinationDishTypes() const;
    std::vector<DietChoice> DietChoices() const;
    // Every dish-type row of the imported pairs, marked and unmarked.
    std::vector<DishTypeChoice> DishTypeChoices() const;
    // Every mapping in use, one line of text each (services, then diets, then dish types).
    std::vector<std::string> Describe() const;

private:
    struct KeyHash {
        using is_transparent = void;
        size_t operator()(std::string_view key) const { return std::hash<std::string_view>()(key); }
    };
    template <typename Value>
    using Table = std::unordered_map<std::string, Value, KeyHash, std::equal_to<>>;

    std::string_view Key(std::string_view a, std::string_view b) const;
    std::string_view Key(std::string_view a, std::string_view b, int sequence) const;

    std::map<std::string, std::string> pairs_;
    Table<std::string> services_;
    Table<std::string> diets_;             // origin service, origin diet
    Table<DishTypeTarget> dishTypes_;      // origin service, origin dish type, sequence
    std::multimap<std::string, std::string> destinationDiets_;
    std::vector<DishTypeChoice> unmarked_;
    mutable std::string key_;
};

}  // namespace appserver
