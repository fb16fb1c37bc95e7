#include "PacketBuilder.h"

#include "Text.h"

namespace appserver {

PacketBuilder::PacketBuilder(std::vector<FieldDef> fields) { packet_.Fields = std::move(fields); }

void PacketBuilder::Add(std::vector<Variant> values) {
    for (size_t i = 0; i < values.size() && i < packet_.Fields.size(); ++i) {
        const FieldDef& field = packet_.Fields[i];
        if (field.Type == FieldType::String && values[i].Type() == VarType::String && field.Size > 0)
            values[i] = Utf8Left(values[i].AsString(), static_cast<size_t>(field.Size));
    }
    packet_.AddRow(std::move(values));
}

}  // namespace appserver
