#pragma once
// The server methods a person edits the kept mappings of a branch pair with (KeptMappings.h).
// Each returns the raw answer (Answer.h); refusals say why in Portuguese and change nothing.
//
// A mapping is named by its kind and its origin codes:
//   "SERVICO"    origin service
//   "DIETA"      origin service and origin diet
//   "TIPOPRATO"  origin service, origin dish type and sequence
// A diet or dish type goes to the destination service its origin service is mapped to, so that
// service must be mapped first. A dish type set to no destination ("") is kept left unmarked.
#include "SqliteDatabase.h"
#include "Variant.h"

#include <optional>
#include <string>

namespace appserver {

// The origin codes that name one mapping; code and sequence are ignored where the kind has none.
struct MappingKey {
    std::string kind;
    std::string service;
    std::string code;
    Variant sequence;
};

class MappingMethods {
public:
    explicit MappingMethods(SqliteDatabase& db);

    // [services, diets, dish types]: three packets of what is kept for the pair, with the names
    // each branch registers for the codes ("" where it registers none).
    Variant GetMapeamentos(const std::string& origin, const std::string& destination);
    // Keeps one mapping, replacing what was kept for the same origin codes. The destination code
    // must exist in the destination branch.
    Variant SetMapeamento(const std::string& origin, const std::string& destination, const MappingKey& key,
                          const std::string& target);
    Variant RemoveMapeamento(const std::string& origin, const std::string& destination, const MappingKey& key);

private:
    std::string CheckPair(const std::string& origin, const std::string& destination) const;
    std::string CheckKey(const MappingKey& key) const;
    // The name of a dish type in the service's latest configuration holding it; none when no
    // configuration of the service holds it.
    std::optional<std::string> DishTypeName(const std::string& branch, const std::string& service,
                                            const std::string& code) const;

    SqliteDatabase& db_;
};

}  // namespace appserver
