#include "TColumn.h"

#include "TDBGrid.h"
#include "TDataSet.h"
#include "TField.h"

std::string TColumnTitle::Caption() const {
    if (caption_) return *caption_;
    if (TField* field = column_.Field()) return field->DisplayLabel();
    return column_.FieldName();
}

void TColumnTitle::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    column_.Changed();
}

void TColumnTitle::SetFont(const TFont& font) {
    font_ = font;
    column_.Changed();
}

void TColumnTitle::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    column_.Changed();
}

TColumn::TColumn(TDBGrid& grid) : grid_(grid), title_(*this) {}

int TColumn::Index() const {
    const TDBGridColumns& columns = grid_.Columns();
    for (int i = 0; i < columns.Count(); ++i)
        if (columns[i] == this) return i;
    return -1;
}

void TColumn::SetFieldName(std::string name) {
    fieldName_ = std::move(name);
    Changed();
}

TField* TColumn::Field() const {
    TDataSet* dataSet = grid_.DataSet();
    return dataSet && !fieldName_.empty() ? dataSet->FindField(fieldName_) : nullptr;
}

int TColumn::Width() const {
    if (width_) return *width_;
    if (TField* field = Field()) return field->DisplayWidth() * (font_.Size * 3 / 4 + 1) + 4;
    return 64;
}

void TColumn::SetWidth(int width) {
    width_ = width;
    Changed();
}

void TColumn::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}

TAlignment TColumn::Alignment() const {
    if (alignment_) return *alignment_;
    if (TField* field = Field()) return field->Alignment();
    return taLeftJustify;
}

void TColumn::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Changed();
}

void TColumn::SetColor(TColor color) {
    color_ = color;
    Changed();
}

void TColumn::SetFont(const TFont& font) {
    font_ = font;
    Changed();
}

void TColumn::SetButtonStyle(TColumnButtonStyle style) {
    buttonStyle_ = style;
    Changed();
}

void TColumn::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    Changed();
}

void TColumn::Changed() { grid_.Invalidate(); }
