#pragma once
// The columns of a TDBGrid. Until code adds a column the grid shows default columns, one per
// visible field, rebuilt whenever the dataset's layout changes; the first Add drops them and
// the columns become the code's own (persistent).
#include <memory>
#include <vector>

class TColumn;
class TDBGrid;

class TDBGridColumns {
public:
    explicit TDBGridColumns(TDBGrid& grid);
    ~TDBGridColumns();

    int Count() const { return static_cast<int>(columns_.size()); }
    TColumn* operator[](int index) const { return columns_.at(index).get(); }
    TColumn* Items(int index) const { return (*this)[index]; }
    // A new persistent column at the end.
    TColumn* Add();
    void Clear();
    // True while the columns are the default ones.
    bool DefaultColumns() const { return default_; }
    // For the grid: rebuilds the default columns from the dataset's visible fields.
    void RebuildDefault();

private:
    TDBGrid& grid_;
    std::vector<std::unique_ptr<TColumn>> columns_;
    bool default_ = true;
};
