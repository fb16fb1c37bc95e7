#pragma once
// The load's proposal: from the definitions of an integration file, the mappings kept for the
// file's origin and the destination branch, and what the destination branch has registered, the
// three "de-para" tables and the three lists of what the file exports.
//
// Matching rules, in order: the kept mapping, while its destination still exists (the service
// registered; the diet registered for the destination service; the dish type in the
// configuration valid on the file's first day); else the destination record of the same name
// (compared trimmed, ignoring case and accents); else none. A code alone never proposes a
// destination: in a hospital a diet matched by code only could reach a patient's tray unseen.
// Diets and dish types are matched against the destination service of their pair. A matched
// dish type is marked for import ("S"), with the origin's order (and, matched by name, its
// sequence) copied to the destination; an unmatched one, or one kept as left unmarked, is not
// ("N") and has no destination values. Each row says where its destination came from
// (IDPROPOSTA, PacketLayouts.h).
#include "BranchCatalogue.h"
#include "IntegrationFile.h"
#include "KeptMappings.h"
#include "Variant.h"

namespace appserver {

class MappingProposal {
public:
    // The six packets, in the exchange result's order: cdsServicos, cdsDietas, cdsTipoPrat,
    // cdsServOrigem, cdsDietaOrig, cdsTipoPratOrig.
    static Variant::Array Build(const IntegrationFile& file, const BranchCatalogue& destination,
                                const KeptChoices& kept = {});
};

}  // namespace appserver
