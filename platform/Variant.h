#pragma once
// A value of the platform's variant type: what crosses the wire between the screen and the
// application server, and what a field holds. Arrays are one-dimensional; a data packet travels
// as one shared, immutable value, so copying a variant never copies a table.
#include "DateTime.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

class DataPacket;

enum class VarType { Null, Boolean, Integer, Double, String, Date, Array, Packet };

class Variant {
public:
    using Array = std::vector<Variant>;

    Variant() = default;  // Null
    Variant(bool value) : value_(value) {}
    Variant(int value) : value_(static_cast<int64_t>(value)) {}
    Variant(int64_t value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(const char* value) : value_(std::string(value)) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(TDateTime value) : value_(value) {}
    Variant(Array value) : value_(std::move(value)) {}
    Variant(std::shared_ptr<const DataPacket> value);
    Variant(DataPacket value);

    static Variant Null() { return Variant(); }

    // The alternatives of value_ are declared in VarType's order.
    VarType Type() const { return static_cast<VarType>(value_.index()); }
    bool IsNull() const { return Type() == VarType::Null; }
    bool IsArray() const { return Type() == VarType::Array; }
    bool IsPacket() const { return Type() == VarType::Packet; }

    // Conversions as the platform does them; an impossible one raises EVariantError
    // (a string that is no number raises EConvertError, as StrToInt would).
    bool AsBoolean() const;
    int64_t AsInteger() const;
    double AsDouble() const;
    std::string AsString() const;  // Null gives ""; dates give the session's short date text
    TDateTime AsDate() const;
    const Array& AsArray() const;
    const DataPacket& AsPacket() const;
    std::shared_ptr<const DataPacket> PacketPtr() const;
    // The text held, without a copy; nullptr unless the variant holds a string.
    const std::string* StringPtr() const { return std::get_if<std::string>(&value_); }

    // Element of an array; raises EVariantError out of bounds or on a non-array.
    const Variant& operator[](size_t index) const;
    size_t ArrayLength() const;  // 0 for a non-array

    // Equality of type and value (packets compare by content).
    friend bool operator==(const Variant& a, const Variant& b);

private:
    std::variant<std::monostate, bool, int64_t, double, std::string, TDateTime, Array,
                 std::shared_ptr<const DataPacket>>
        value_;
};

// The platform's VarArrayOf.
Variant VarArrayOf(Variant::Array values);
