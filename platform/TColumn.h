#pragma once
// A column of a TDBGrid: which field it shows and how. Unset title caption, width and alignment
// follow the field (DisplayLabel, DisplayWidth, Alignment). Every setter repaints the grid.
#include "DBTypes.h"
#include "TFont.h"

#include <optional>
#include <string>

class TColumn;
class TDBGrid;
class TField;

// cbsAuto: a plain editor (this platform has no pick lists); cbsEllipsis: a "..." button in the
// editor whose click, or Ctrl+Enter, runs the grid's OnEditButtonClick; cbsNone: plain editor.
enum TColumnButtonStyle { cbsAuto, cbsEllipsis, cbsNone };

class TColumnTitle {
public:
    explicit TColumnTitle(TColumn& column) : column_(column) {}

    // The assigned caption, else the field's DisplayLabel, else the FieldName.
    std::string Caption() const;
    void SetCaption(std::string caption);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

private:
    TColumn& column_;
    std::optional<std::string> caption_;
    TFont font_;
    TAlignment alignment_ = taLeftJustify;
};

class TColumn {
public:
    explicit TColumn(TDBGrid& grid);
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    TDBGrid& Grid() const { return grid_; }
    int Index() const;

    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(std::string name);
    // The field of the grid's dataset with that name, or nullptr (no dataset, closed, absent).
    TField* Field() const;

    TColumnTitle& Title() { return title_; }
    const TColumnTitle& Title() const { return title_; }

    // The assigned width, else the field's DisplayWidth in digit widths, else 64 pixels.
    int Width() const;
    void SetWidth(int width);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // The assigned alignment, else the field's.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment alignment);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    TColumnButtonStyle ButtonStyle() const { return buttonStyle_; }
    void SetButtonStyle(TColumnButtonStyle style);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // For the title: something shown changed.
    void Changed();

private:
    TDBGrid& grid_;
    std::string fieldName_;
    TColumnTitle title_;
    std::optional<int> width_;
    std::optional<TAlignment> alignment_;
    bool visible_ = true;
    TColor color_ = clWindow;
    TFont font_;
    TColumnButtonStyle buttonStyle_ = cbsAuto;
    bool readOnly_ = false;
};
