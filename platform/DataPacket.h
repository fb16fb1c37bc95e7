#pragma once
// A whole table in one value: field definitions and rows. The same shape carries a change log
// (a dataset's Delta): then every row says what happened to it. The byte form is MessagePack,
// described in docs/data-packet.md, so that any peer of the application server can read it.
#include "Variant.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class FieldType : uint8_t { String = 1, Integer = 2, Double = 3, Boolean = 4, Date = 5 };

struct FieldDef {
    std::string Name;
    FieldType Type = FieldType::String;
    int Size = 0;  // characters, for string fields
    bool Required = false;

    friend bool operator==(const FieldDef&, const FieldDef&) = default;
};

// What a row of a change log records. A plain table holds only Unmodified rows. A modification
// is logged as two rows in a row: the original values (Original) and then the new ones
// (Modified), both with every field filled.
enum class RowKind : uint8_t { Unmodified = 0, Inserted = 1, Modified = 2, Deleted = 3, Original = 4 };

struct PacketRow {
    RowKind Kind = RowKind::Unmodified;
    std::vector<Variant> Values;  // one per field, in field order

    friend bool operator==(const PacketRow&, const PacketRow&) = default;
};

class DataPacket {
public:
    std::vector<FieldDef> Fields;
    std::vector<PacketRow> Rows;

    // Index of the field of that name (case-insensitive, as the platform matches field names).
    std::optional<size_t> FieldIndex(std::string_view name) const;
    // Appends a plain row; raises EVariantError when the value count does not match the fields.
    void AddRow(std::vector<Variant> values, RowKind kind = RowKind::Unmodified);
    // The value of a named field in a row; raises EVariantError for an unknown field.
    const Variant& Value(size_t row, std::string_view field) const;

    // MessagePack byte form. Decode never trusts its input: malformed, truncated or
    // inconsistent bytes raise EVariantError with a short reason.
    std::string Encode() const;
    static DataPacket Decode(std::string_view bytes);

    friend bool operator==(const DataPacket&, const DataPacket&) = default;
};

// The byte form of a whole variant (arrays and packets nested), for the transport.
std::string EncodeVariant(const Variant& value);
Variant DecodeVariant(std::string_view bytes);
