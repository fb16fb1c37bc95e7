#pragma once
// A list of texts. Sorted lists keep their order on Add and are searched by bisection with Find.
// Comparison is case-insensitive by default (Latin-1 aware), as the platform's list is; the
// collation is by character code after case folding, not the operating system's locale.
#include <string>
#include <vector>

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList {
public:
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    bool CaseSensitive = false;
    TDuplicates Duplicates = TDuplicates::dupIgnore;

    // Returns the index of the new (or, with dupIgnore, the existing) item.
    int Add(const std::string& text);
    // Inserting at a position is refused on a sorted list (EStringListError).
    void Insert(int index, const std::string& text);
    void Delete(int index);
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const;

    // Bisection over a sorted list: true with the index of the first equal item, or false with
    // the index where the text would go.
    bool Find(const std::string& text, int& index) const;
    int IndexOf(const std::string& text) const;

private:
    int Compare(const std::string& a, const std::string& b) const;

    std::vector<std::string> items_;
    bool sorted_ = false;
};
