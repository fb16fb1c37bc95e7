#pragma once
// The named indexes a client dataset may order its records by (IndexName).
#include "DBTypes.h"

#include <string>
#include <string_view>
#include <vector>

struct TIndexDef {
    std::string Name;
    std::string Fields;  // field names separated by ';'
    TIndexOptions Options = 0;
};

class TIndexDefs {
public:
    // Adds (or replaces) the index of that name.
    void Add(std::string name, std::string fields, TIndexOptions options = 0);
    // Case-insensitive look-up; nullptr when absent.
    const TIndexDef* Find(std::string_view name) const;
    size_t Count() const { return defs_.size(); }
    const TIndexDef& operator[](size_t index) const { return defs_.at(index); }
    void Clear() { defs_.clear(); }

private:
    std::vector<TIndexDef> defs_;
};
