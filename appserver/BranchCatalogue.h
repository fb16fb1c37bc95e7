#pragma once
// Read access to what one branch has registered: the branch itself, its services, their standard
// diets and dish-type configurations, and its dishes. Codes are taken as given (stored form).
#include "DateTime.h"
#include "SqliteDatabase.h"

#include <optional>
#include <string>
#include <vector>

namespace appserver {

struct BranchRecord {
    std::string code;
    std::string name;
    bool rescinded = false;
};

struct ServiceRecord {
    std::string code;
    std::string name;
    bool hospital = false;
};

struct DietRecord {
    std::string code;
    std::string name;
};

struct DishTypeRecord {
    std::string code;
    int sequence = 0;
    int order = 0;
    std::string name;
    bool option = false;
};

class BranchCatalogue {
public:
    BranchCatalogue(SqliteDatabase& db, std::string branch);

    std::optional<BranchRecord> Branch() const;
    // Ordered by code.
    std::vector<ServiceRecord> Services() const;
    std::optional<ServiceRecord> Service(const std::string& code) const;
    // Standard diets of a service, ordered by code.
    std::vector<DietRecord> Diets(const std::string& service) const;
    // The service's configuration valid on `day`: the one with the latest start on or before it.
    // Ordered by display order, then sequence. Empty when none has started yet.
    std::vector<DishTypeRecord> Configuration(const std::string& service, TDateTime day) const;
    // Codes of every dish registered for the branch, sorted: an import bisects them for each of
    // its lines, over one block of memory that stays in cache.
    std::vector<std::string> DishCodes() const;

private:
    SqliteDatabase& db_;
    std::string branch_;
};

}  // namespace appserver
