#pragma once
// The grid's in-place editor: a child edit of the grid that holds the focus while a cell is
// edited (so the form's ActiveControl is the editor, not the grid). Its keys go to the grid
// first: navigation keys are the grid's outright, every other key fires the grid's OnKeyDown
// and every character the grid's OnKeyPress before the editor acts; a modifying key is accepted
// only once the grid may modify the cell (TDBGrid::CanEditModify, which puts the dataset into
// edit).
#include "TEdit.h"

class TDBGrid;

class TInplaceEdit : public TEdit {
public:
    explicit TInplaceEdit(TDBGrid& grid);

    TDBGrid& Grid() const { return grid_; }
    // Replaces the text without counting as a user modification.
    void Load(const std::string& text);

    bool WantsKey(Word key, TShiftState shift) const override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;

private:
    // Runs an editing action; tells the grid when it changed the text.
    template <typename Action> void Modify(Action action);

    TDBGrid& grid_;
};
