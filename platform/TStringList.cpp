#include "TStringList.h"

#include "SysUtils.h"
#include "Text.h"

#include <algorithm>

void TStringList::SetSorted(bool sorted) {
    if (sorted && !sorted_)
        std::stable_sort(items_.begin(), items_.end(),
                         [this](const std::string& a, const std::string& b) { return Compare(a, b) < 0; });
    sorted_ = sorted;
}

int TStringList::Add(const std::string& text) {
    if (!sorted_) {
        items_.push_back(text);
        return Count() - 1;
    }
    int index = 0;
    if (Find(text, index)) {
        if (Duplicates == TDuplicates::dupIgnore) return index;
        if (Duplicates == TDuplicates::dupError) throw EStringListError("String list does not allow duplicates");
    }
    items_.insert(items_.begin() + index, text);
    return index;
}

void TStringList::Insert(int index, const std::string& text) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, text);
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    items_.erase(items_.begin() + index);
}

const std::string& TStringList::operator[](int index) const {
    if (index < 0 || index >= Count()) throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[index];
}

bool TStringList::Find(const std::string& text, int& index) const {
    auto first = std::lower_bound(items_.begin(), items_.end(), text,
                                  [this](const std::string& item, const std::string& key) { return Compare(item, key) < 0; });
    index = static_cast<int>(first - items_.begin());
    return first != items_.end() && Compare(*first, text) == 0;
}

int TStringList::IndexOf(const std::string& text) const {
    int index = 0;
    if (sorted_) return Find(text, index) ? index : -1;
    for (int i = 0; i < Count(); ++i)
        if (Compare(items_[i], text) == 0) return i;
    return -1;
}

int TStringList::Compare(const std::string& a, const std::string& b) const {
    if (CaseSensitive) return a.compare(b) < 0 ? -1 : a == b ? 0 : 1;
    return AnsiCompareText(a, b);
}
