#pragma once
// How the client dataset orders and matches field values (indexes, Locate, FindKey, filters).
//
// Nulls come before every value. Numbers compare by value, whatever their type; other mixed
// types compare as text. Text compares on two levels: first case-folded (Latin-1 aware, as
// AnsiCompareText), then, for a case-sensitive order only, by exact bytes. An index built on
// this order keeps all spellings of a text that differ only in case next to each other, so a
// case-insensitive search can bisect a case-sensitive index.
#include "Variant.h"

#include <string_view>

namespace dataset {

// The case-folded comparison (<0, 0, >0).
int CompareFolded(const Variant& a, const Variant& b);
// Case-folded first, then exact: 0 only for equal values.
int CompareExact(const Variant& a, const Variant& b);
// Does `value` match `key`? Text may match ignoring case, or by its beginning (`partial`);
// other types match when equal. A null key matches only a null value.
bool KeyMatches(const Variant& value, const Variant& key, bool caseInsensitive, bool partial);
// Case-folded comparison of `value`, cut to the length of `key` when `partial`, with `key`.
int CompareToKey(const Variant& value, const Variant& key, bool partial);

} // namespace dataset
