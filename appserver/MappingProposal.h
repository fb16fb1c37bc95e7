#pragma once
// The load's proposal: from the definitions of an integration file and what the destination
// branch has registered, the three "de-para" tables and the three lists of what the file exports.
//
// Matching rules. A destination service is the branch's service of the same name (compared
// trimmed, ignoring case and accents), else the one with the same code, else none. Diets of a
// pair are matched the same way against the destination service's standard diets. Dish types
// are matched by name only, against the destination service's configuration valid on the file's
// first day; a matched dish type is marked for import ("S"), with the origin's sequence and order
// copied to the destination, an unmatched one is not ("N") and has no destination values.
#include "BranchCatalogue.h"
#include "IntegrationFile.h"
#include "Variant.h"

namespace appserver {

class MappingProposal {
public:
    // The six packets, in the exchange result's order: cdsServicos, cdsDietas, cdsTipoPrat,
    // cdsServOrigem, cdsDietaOrig, cdsTipoPratOrig.
    static Variant::Array Build(const IntegrationFile& file, const BranchCatalogue& destination);
};

}  // namespace appserver
