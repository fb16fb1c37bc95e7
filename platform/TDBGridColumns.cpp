#include "TDBGridColumns.h"

#include "TColumn.h"
#include "TDBGrid.h"
#include "TDataSet.h"
#include "TField.h"

TDBGridColumns::TDBGridColumns(TDBGrid& grid) : grid_(grid) {}

TDBGridColumns::~TDBGridColumns() = default;

TColumn* TDBGridColumns::Add() {
    if (default_) {
        columns_.clear();
        default_ = false;
    }
    columns_.push_back(std::make_unique<TColumn>(grid_));
    grid_.ColumnsChanged();
    return columns_.back().get();
}

void TDBGridColumns::Clear() {
    columns_.clear();
    default_ = true;
    RebuildDefault();
}

void TDBGridColumns::RebuildDefault() {
    if (!default_) return;
    columns_.clear();
    if (TDataSet* dataSet = grid_.DataSet())
        for (TField* field : dataSet->Fields())
            if (field->Visible()) {
                columns_.push_back(std::make_unique<TColumn>(grid_));
                columns_.back()->SetFieldName(field->FieldName());
            }
    grid_.ColumnsChanged();
}
