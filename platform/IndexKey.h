#pragma once
// The order of an index over a dataset's records: its fields (columns), each ascending or
// descending, case-sensitive or not. Records compare case-folded over all parts first and only
// then, for case-sensitive parts, by exact text (see ValueCompare.h); equal keys are left to
// the caller (the client dataset breaks ties by insertion order).
#include "FoldedKey.h"

#include <vector>

namespace dataset {

struct KeyPart {
    int column = 0;
    FieldType type = FieldType::String;  // the column's
    bool descending = false;
    bool caseInsensitive = false;
};

class IndexKey {
public:
    IndexKey() = default;
    explicit IndexKey(std::vector<KeyPart> parts) : parts_(std::move(parts)) {}

    bool Empty() const { return parts_.empty(); }
    const std::vector<KeyPart>& Parts() const { return parts_; }
    // <0, 0, >0 between two records (rows of column values).
    int Compare(const std::vector<Variant>& a, const std::vector<Variant>& b) const {
        return Compare(a.data(), b.data());
    }
    int Compare(const Variant* a, const Variant* b) const;
    // The record's key, folded: what Compare's case-folded pass compares.
    FoldedKey Fold(const Variant* row) const;

private:
    std::vector<KeyPart> parts_;
};

} // namespace dataset
