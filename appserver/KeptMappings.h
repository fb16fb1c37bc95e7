#pragma once
// The mappings kept for one pair of branches (origin, destination): which destination service
// each origin service goes to, which destination diet each origin diet of a service, which
// destination dish type each origin dish type (per sequence) of a service, and which dish types
// were left unmarked. A written import records the choices it used; a person edits them by hand;
// the next load proposes them again.
//
// Diets and dish types keep the destination service they were chosen for, because a diet code
// means something only within its service: they hold while their origin service still goes to
// that service.
#include "ImportSelection.h"
#include "SqliteDatabase.h"

#include <map>
#include <string>
#include <tuple>
#include <utility>

namespace appserver {

struct KeptDiet {
    std::string service;  // destination service
    std::string diet;     // destination diet
};

struct KeptDishType {
    std::string service;   // destination service
    std::string dishType;  // destination dish type; "" when left unmarked
    int sequence = 0;      // destination sequence
    bool marked = true;    // false: left unmarked
};

struct KeptChoices {
    std::map<std::string, std::string> services;                           // origin -> destination
    std::map<std::pair<std::string, std::string>, KeptDiet> diets;         // (origin service, diet)
    std::map<std::tuple<std::string, std::string, int>, KeptDishType> dishTypes;  // (service, type, sequence)
};

class KeptMappings {
public:
    KeptMappings(SqliteDatabase& db, std::string originBranch, std::string destinationBranch);

    KeptChoices Read() const;
    // Keeps the choices of a written import, replacing what was kept for the same origin codes.
    // Runs in the caller's transaction, so an import rolled back keeps nothing.
    void Record(const ImportSelection& selection);

    void SetService(const std::string& origin, const std::string& destination);
    void SetDiet(const std::string& service, const std::string& diet, const KeptDiet& target);
    void SetDishType(const std::string& service, const std::string& dishType, int sequence,
                     const KeptDishType& target);
    // Each says whether there was a mapping to remove.
    bool RemoveService(const std::string& origin);
    bool RemoveDiet(const std::string& service, const std::string& diet);
    bool RemoveDishType(const std::string& service, const std::string& dishType, int sequence);

private:
    bool Remove(const char* table, const char* keyColumns, std::initializer_list<std::string_view> key, int sequence);

    SqliteDatabase& db_;
    std::string origin_;
    std::string destination_;
};

}  // namespace appserver
