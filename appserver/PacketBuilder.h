#pragma once
// Builds a data packet for the screen: fixed fields, rows added in order. String values are cut
// to their field's size in characters, as a string field of that size would hold them.
#include "DataPacket.h"

#include <vector>

namespace appserver {

class PacketBuilder {
public:
    explicit PacketBuilder(std::vector<FieldDef> fields);

    // One value per field, in field order.
    void Add(std::vector<Variant> values);
    const DataPacket& Packet() const { return packet_; }
    Variant Take() { return Variant(std::move(packet_)); }

private:
    DataPacket packet_;
};

}  // namespace appserver
