#include "DataPacket.h"

#include "SysUtils.h"
#include "Text.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <msgpack.hpp>

namespace {

constexpr const char* kMagic = "KRDPACKET";
constexpr int kVersion = 1;
constexpr int8_t kDateExt = 1;
constexpr int8_t kPacketExt = 2;
// Arrays nest at most this deep in one value (docs/data-packet.md); a call or its answer needs a
// few levels. The unpacker counts them on a stack of its own, and the bound keeps the recursive
// reading and freeing of the variant that follows from exhausting ours.
constexpr uint32_t kMaxDepth = 32;

[[noreturn]] void Malformed(const std::string& reason) { throw EVariantError("Malformed data packet: " + reason); }

using Packer = msgpack::packer<msgpack::sbuffer>;

void BigEndian(double value, char (&bytes)[8]) {
    uint64_t bits = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>(bits >> (56 - 8 * i));
}

void PackDate(Packer& pk, TDateTime date) {
    char bytes[8];
    BigEndian(date.Value, bytes);
    pk.pack_ext(8, kDateExt);
    pk.pack_ext_body(bytes, 8);
}

// Always a float 64: the library's own packer turns whole doubles into integers, which would
// come back as a variant of another type.
void PackDouble(msgpack::sbuffer& buffer, double value) {
    char bytes[9] = {static_cast<char>(0xcb)};
    char body[8];
    BigEndian(value, body);
    std::copy(body, body + 8, bytes + 1);
    buffer.write(bytes, 9);
}

void PackVariant(msgpack::sbuffer& buffer, Packer& pk, const Variant& value) {
    switch (value.Type()) {
    case VarType::Null: pk.pack_nil(); break;
    case VarType::Boolean: pk.pack(value.AsBoolean()); break;
    case VarType::Integer: pk.pack(value.AsInteger()); break;
    case VarType::Double: PackDouble(buffer, value.AsDouble()); break;
    case VarType::String: {
        std::string text = value.AsString();
        pk.pack_str(static_cast<uint32_t>(text.size()));
        pk.pack_str_body(text.data(), static_cast<uint32_t>(text.size()));
        break;
    }
    case VarType::Date: PackDate(pk, value.AsDate()); break;
    case VarType::Array:
        pk.pack_array(static_cast<uint32_t>(value.ArrayLength()));
        for (const Variant& item : value.AsArray()) PackVariant(buffer, pk, item);
        break;
    case VarType::Packet: {
        std::string bytes = value.AsPacket().Encode();
        pk.pack_ext(bytes.size(), kPacketExt);
        pk.pack_ext_body(bytes.data(), static_cast<uint32_t>(bytes.size()));
        break;
    }
    }
}

// Limits every claimed length to the input size, so a lying header cannot make the decoder
// allocate more than a small multiple of the bytes it was given.
msgpack::object_handle Unpack(std::string_view bytes) {
    size_t n = bytes.size();
    msgpack::unpack_limit limit(n, n, n, n, n, kMaxDepth);
    size_t offset = 0;
    msgpack::object_handle handle;
    try {
        handle = msgpack::unpack(bytes.data(), n, offset, nullptr, nullptr, limit);
    } catch (const msgpack::depth_size_overflow&) {
        Malformed("arrays nested deeper than " + std::to_string(kMaxDepth) + " levels");
    } catch (const std::exception& e) {
        Malformed(e.what());
    }
    if (offset != n) Malformed("bytes after the end of the value");
    return handle;
}

TDateTime UnpackDate(const msgpack::object_ext& ext) {
    if (ext.size != 8) Malformed("date of wrong length");
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = (bits << 8) | static_cast<unsigned char>(ext.data()[i]);
    return TDateTime(std::bit_cast<double>(bits));
}

Variant UnpackVariant(const msgpack::object& o, bool allowNested) {
    switch (o.type) {
    case msgpack::type::NIL: return Variant();
    case msgpack::type::BOOLEAN: return Variant(o.via.boolean);
    case msgpack::type::POSITIVE_INTEGER:
        if (o.via.u64 > static_cast<uint64_t>(INT64_MAX)) Malformed("integer out of range");
        return Variant(static_cast<int64_t>(o.via.u64));
    case msgpack::type::NEGATIVE_INTEGER: return Variant(o.via.i64);
    case msgpack::type::FLOAT32:
    case msgpack::type::FLOAT64: return Variant(o.via.f64);
    case msgpack::type::STR: return Variant(std::string(o.via.str.ptr, o.via.str.size));
    case msgpack::type::ARRAY: {
        if (!allowNested) Malformed("array inside a packet row");
        Variant::Array items;
        items.reserve(o.via.array.size);
        for (uint32_t i = 0; i < o.via.array.size; ++i) items.push_back(UnpackVariant(o.via.array.ptr[i], true));
        return Variant(std::move(items));
    }
    case msgpack::type::EXT:
        if (o.via.ext.type() == kDateExt) return Variant(UnpackDate(o.via.ext));
        if (o.via.ext.type() == kPacketExt && allowNested)
            return Variant(DataPacket::Decode(std::string_view(o.via.ext.data(), o.via.ext.size)));
        Malformed("unknown extension");
    default: Malformed("unexpected value type");
    }
}

const msgpack::object& Element(const msgpack::object& array, uint32_t index, const char* what) {
    if (array.type != msgpack::type::ARRAY || index >= array.via.array.size) Malformed(std::string("missing ") + what);
    return array.via.array.ptr[index];
}

std::string AsText(const msgpack::object& o, const char* what) {
    if (o.type != msgpack::type::STR) Malformed(std::string(what) + " is not text");
    return std::string(o.via.str.ptr, o.via.str.size);
}

int64_t AsNumber(const msgpack::object& o, const char* what, int64_t low, int64_t high) {
    if (o.type != msgpack::type::POSITIVE_INTEGER || o.via.u64 > static_cast<uint64_t>(high) ||
        static_cast<int64_t>(o.via.u64) < low)
        Malformed(std::string(what) + " out of range");
    return static_cast<int64_t>(o.via.u64);
}

FieldDef UnpackField(const msgpack::object& o) {
    FieldDef field;
    field.Name = AsText(Element(o, 0, "field name"), "field name");
    field.Type = static_cast<FieldType>(AsNumber(Element(o, 1, "field type"), "field type", 1, 5));
    field.Size = static_cast<int>(AsNumber(Element(o, 2, "field size"), "field size", 0, 1 << 20));
    const msgpack::object& required = Element(o, 3, "required flag");
    if (required.type != msgpack::type::BOOLEAN) Malformed("required flag is not a boolean");
    field.Required = required.via.boolean;
    return field;
}

bool Fits(FieldType type, const Variant& value) {
    switch (value.Type()) {
    case VarType::Null: return true;
    case VarType::String: return type == FieldType::String;
    case VarType::Integer: return type == FieldType::Integer || type == FieldType::Double;
    case VarType::Double: return type == FieldType::Double;
    case VarType::Boolean: return type == FieldType::Boolean;
    case VarType::Date: return type == FieldType::Date;
    default: return false;
    }
}

PacketRow UnpackRow(const msgpack::object& o, const std::vector<FieldDef>& fields) {
    if (o.type != msgpack::type::ARRAY || o.via.array.size != fields.size() + 1) Malformed("row of wrong length");
    PacketRow row;
    row.Kind = static_cast<RowKind>(AsNumber(o.via.array.ptr[0], "row kind", 0, 4));
    row.Values.reserve(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        Variant value = UnpackVariant(o.via.array.ptr[i + 1], false);
        if (!Fits(fields[i].Type, value)) Malformed("value of field " + fields[i].Name + " has the wrong type");
        row.Values.push_back(std::move(value));
    }
    return row;
}

}  // namespace

std::optional<size_t> DataPacket::FieldIndex(std::string_view name) const {
    for (size_t i = 0; i < Fields.size(); ++i)
        if (AnsiSameText(Fields[i].Name, name)) return i;
    return std::nullopt;
}

void DataPacket::AddRow(std::vector<Variant> values, RowKind kind) {
    if (values.size() != Fields.size())
        throw EVariantError("Row has " + std::to_string(values.size()) + " values for " +
                            std::to_string(Fields.size()) + " fields");
    Rows.push_back(PacketRow{kind, std::move(values)});
}

const Variant& DataPacket::Value(size_t row, std::string_view field) const {
    auto index = FieldIndex(field);
    if (!index) throw EVariantError("Field '" + std::string(field) + "' not found in data packet");
    if (row >= Rows.size()) throw EVariantError("Data packet row " + std::to_string(row) + " out of bounds");
    return Rows[row].Values[*index];
}

std::string DataPacket::Encode() const {
    msgpack::sbuffer buffer;
    Packer pk(buffer);
    pk.pack_array(4);
    pk.pack(kMagic);
    pk.pack(kVersion);
    pk.pack_array(static_cast<uint32_t>(Fields.size()));
    for (const FieldDef& f : Fields) {
        pk.pack_array(4);
        pk.pack(f.Name);
        pk.pack(static_cast<int>(f.Type));
        pk.pack(f.Size);
        pk.pack(f.Required);
    }
    pk.pack_array(static_cast<uint32_t>(Rows.size()));
    for (const PacketRow& row : Rows) {
        pk.pack_array(static_cast<uint32_t>(row.Values.size() + 1));
        pk.pack(static_cast<int>(row.Kind));
        for (const Variant& v : row.Values) PackVariant(buffer, pk, v);
    }
    return std::string(buffer.data(), buffer.size());
}

DataPacket DataPacket::Decode(std::string_view bytes) {
    msgpack::object_handle handle = Unpack(bytes);
    const msgpack::object& root = handle.get();
    if (AsText(Element(root, 0, "signature"), "signature") != kMagic) Malformed("not a data packet");
    if (AsNumber(Element(root, 1, "version"), "version", 1, 1) != kVersion) Malformed("unknown version");
    const msgpack::object& fields = Element(root, 2, "field list");
    const msgpack::object& rows = Element(root, 3, "row list");
    if (fields.type != msgpack::type::ARRAY || rows.type != msgpack::type::ARRAY) Malformed("bad layout");

    DataPacket packet;
    for (uint32_t i = 0; i < fields.via.array.size; ++i) packet.Fields.push_back(UnpackField(fields.via.array.ptr[i]));
    packet.Rows.reserve(rows.via.array.size);
    for (uint32_t i = 0; i < rows.via.array.size; ++i) packet.Rows.push_back(UnpackRow(rows.via.array.ptr[i], packet.Fields));
    return packet;
}

std::string EncodeVariant(const Variant& value) {
    msgpack::sbuffer buffer;
    Packer pk(buffer);
    PackVariant(buffer, pk, value);
    return std::string(buffer.data(), buffer.size());
}

Variant DecodeVariant(std::string_view bytes) {
    msgpack::object_handle handle = Unpack(bytes);
    return UnpackVariant(handle.get(), true);
}
