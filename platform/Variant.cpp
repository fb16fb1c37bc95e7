#include "Variant.h"

#include "DataPacket.h"
#include "FormatSettings.h"
#include "SysConsts.h"
#include "SysUtils.h"

#include <charconv>
#include <cmath>

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang before 17, used for fuzzing).
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

const char* TypeName(VarType type) {
    switch (type) {
    case VarType::Null: return "Null";
    case VarType::Boolean: return "Boolean";
    case VarType::Integer: return "Integer";
    case VarType::Double: return "Double";
    case VarType::String: return "String";
    case VarType::Date: return "Date";
    case VarType::Array: return "Array";
    case VarType::Packet: return "Packet";
    }
    return "?";
}

[[noreturn]] void BadConversion(VarType from, const char* to) {
    throw EVariantError(std::string("Could not convert variant of type (") + TypeName(from) + ") into type (" +
                        to + ")");
}

int64_t ParseInteger(const std::string& text) {
    int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw EConvertError(sysconsts::FillIn(sysconsts::InvalidInteger, text));
    return value;
}

double ParseDouble(const std::string& text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw EConvertError(sysconsts::FillIn(sysconsts::InvalidFloat, text));
    return value;
}

}  // namespace

Variant::Variant(std::shared_ptr<const DataPacket> value) : value_(std::move(value)) {}
Variant::Variant(DataPacket value) : value_(std::make_shared<const DataPacket>(std::move(value))) {}

bool Variant::AsBoolean() const {
    return std::visit(Overloaded{
                          [](bool v) { return v; },
                          [](int64_t v) { return v != 0; },
                          [](double v) { return v != 0; },
                          [this](const auto&) -> bool { BadConversion(Type(), "Boolean"); },
                      },
                      value_);
}

int64_t Variant::AsInteger() const {
    return std::visit(Overloaded{
                          [](std::monostate) -> int64_t { return 0; },
                          [](bool v) -> int64_t { return v ? -1 : 0; },
                          [](int64_t v) { return v; },
                          [](double v) { return static_cast<int64_t>(std::llround(v)); },
                          [](const std::string& v) { return ParseInteger(v); },
                          [](TDateTime v) -> int64_t { return v.Days(); },
                          [this](const auto&) -> int64_t { BadConversion(Type(), "Integer"); },
                      },
                      value_);
}

double Variant::AsDouble() const {
    return std::visit(Overloaded{
                          [](std::monostate) { return 0.0; },
                          [](bool v) { return v ? -1.0 : 0.0; },
                          [](int64_t v) { return static_cast<double>(v); },
                          [](double v) { return v; },
                          [](const std::string& v) { return ParseDouble(v); },
                          [](TDateTime v) { return v.Value; },
                          [this](const auto&) -> double { BadConversion(Type(), "Double"); },
                      },
                      value_);
}

std::string Variant::AsString() const {
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [](bool v) { return std::string(v ? "True" : "False"); },
                          [](int64_t v) { return std::to_string(v); },
                          [](double v) {
                              char buffer[32];
                              auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, v);
                              return std::string(buffer, error == std::errc() ? end : buffer);
                          },
                          [](const std::string& v) { return v; },
                          [](TDateTime v) { return DateToStr(v); },
                          [this](const auto&) -> std::string { BadConversion(Type(), "String"); },
                      },
                      value_);
}

TDateTime Variant::AsDate() const {
    return std::visit(Overloaded{
                          [](TDateTime v) { return v; },
                          [](int64_t v) { return TDateTime(static_cast<double>(v)); },
                          [](double v) { return TDateTime(v); },
                          [](const std::string& v) { return StrToDate(v); },
                          [this](const auto&) -> TDateTime { BadConversion(Type(), "Date"); },
                      },
                      value_);
}

const Variant::Array& Variant::AsArray() const {
    if (auto* array = std::get_if<Array>(&value_)) return *array;
    BadConversion(Type(), "Array");
}

const DataPacket& Variant::AsPacket() const { return *PacketPtr(); }

std::shared_ptr<const DataPacket> Variant::PacketPtr() const {
    if (auto* packet = std::get_if<std::shared_ptr<const DataPacket>>(&value_)) return *packet;
    BadConversion(Type(), "Packet");
}

const Variant& Variant::operator[](size_t index) const {
    const Array& array = AsArray();
    if (index >= array.size())
        throw EVariantError("Variant array index " + std::to_string(index) + " out of bounds");
    return array[index];
}

size_t Variant::ArrayLength() const {
    auto* array = std::get_if<Array>(&value_);
    return array ? array->size() : 0;
}

bool operator==(const Variant& a, const Variant& b) {
    if (a.Type() != b.Type()) return false;
    if (a.IsPacket()) return a.AsPacket() == b.AsPacket();
    return a.value_ == b.value_;
}

Variant VarArrayOf(Variant::Array values) { return Variant(std::move(values)); }
