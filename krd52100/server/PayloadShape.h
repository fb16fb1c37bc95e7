#pragma once
// What the screen needs of a successful answer's payload before any table takes it. A table
// loaded from a packet keeps its own fields and leaves out what the packet lacks, and converts
// what comes of another type, so a payload of the wrong shape would be taken silently or replace
// some tables before failing on the next. Each check here says why a payload does not fit, in
// words for the user, or gives "" when it fits.
#include "DataPacket.h"

#include <string>
#include <vector>

namespace krd52100 {

// A field the screen reads from a packet (or sends back to the server), with the type its
// table holds it in.
struct PacketColumn {
    const char* name;
    FieldType type;
};

struct PacketLayout {
    const char* what;  // the packet as the message names it: "a tabela de serviços"
    std::vector<PacketColumn> columns;
};

// A data packet with every column of the layout, of that type (other fields may come too).
std::string PacketMisfit(const Variant& payload, const PacketLayout& layout);

// An array whose first elements are packets of the layouts, in order.
std::string PacketListMisfit(const Variant& payload, const std::vector<PacketLayout>& layouts);

// The exchange result: an array whose first element is the status text. A period conflict
// carries its boundary date next; any other status of a load is followed by the load's tables
// (`tables`, empty for an import, whose result holds nothing more the screen reads). A status
// the screen does not know fits: the exchange takes it as a completed one.
std::string ExchangeMisfit(const Variant& result, const std::vector<PacketLayout>& tables);

// "ERRO_INTERVALO_INI" or "ERRO_INTERVALO_FIN": the import would overlap the imports already made.
bool IsPeriodConflict(const std::string& status);

}  // namespace krd52100
