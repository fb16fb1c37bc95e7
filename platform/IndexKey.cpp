#include "IndexKey.h"

#include "ValueCompare.h"

namespace dataset {

int IndexKey::Compare(const Variant* a, const Variant* b) const {
    for (const KeyPart& part : parts_) {
        int c = CompareFolded(a[part.column], b[part.column]);
        if (c != 0) return part.descending ? -c : c;
    }
    for (const KeyPart& part : parts_) {
        if (part.caseInsensitive) continue;
        int c = CompareExact(a[part.column], b[part.column]);
        if (c != 0) return part.descending ? -c : c;
    }
    return 0;
}

FoldedKey IndexKey::Fold(const Variant* row) const {
    FoldedKey key;
    for (const KeyPart& part : parts_) key.Append(row[part.column], part.type, part.descending);
    return key;
}

} // namespace dataset
