#pragma once
// A named parameter of a query (":P_CDFILIAL" in the SQL text is the parameter P_CDFILIAL).
// It holds the value bound when the query opens; a parameter never assigned binds NULL.
#include "Variant.h"

#include <string>

class TParam {
public:
    explicit TParam(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const Variant& Value() const { return value_; }
    void SetValue(Variant value) { value_ = std::move(value); }

    std::string AsString() const { return value_.AsString(); }
    void SetAsString(const std::string& value) { value_ = Variant(value); }
    void SetAsInteger(int value) { value_ = Variant(value); }
    void SetAsDate(TDateTime value) { value_ = Variant(value); }
    void Clear() { value_ = Variant(); }

private:
    std::string name_;
    Variant value_;
};
