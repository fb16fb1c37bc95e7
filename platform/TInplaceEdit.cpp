#include "TInplaceEdit.h"

#include "TDBGrid.h"

TInplaceEdit::TInplaceEdit(TDBGrid& grid) : TEdit(&grid), grid_(grid) {
    SetTabStop(false);
    SetVisible(false);
    SetParent(&grid);
}

void TInplaceEdit::Load(const std::string& text) {
    if (text == Text()) return;
    SetText(text);
    SelectAll();
}

bool TInplaceEdit::WantsKey(Word key, TShiftState shift) const { return grid_.WantsKey(key, shift); }

template <typename Action> void TInplaceEdit::Modify(Action action) {
    std::string before = Text();
    action();
    if (Text() != before) grid_.EditorChanged();
}

void TInplaceEdit::KeyDown(Word& key, TShiftState shift) {
    if (grid_.EditorHandsKeyToGrid(key, shift)) {
        grid_.KeyDown(key, shift);
        key = 0;
        return;
    }
    if (grid_.OnKeyDown) grid_.OnKeyDown(&grid_, key, shift);
    if (key == VK_RETURN && shift == TShiftState{ssCtrl} && grid_.Columns().Count() > 0 &&
        grid_.Columns()[grid_.SelectedIndex()]->ButtonStyle() == cbsEllipsis) {
        grid_.EditButtonClick();
        key = 0;
    }
    if (key == VK_DELETE && !grid_.CanEditModify()) key = 0;
    if (key != 0) Modify([&] { KeyAction(key, shift); });
}

void TInplaceEdit::KeyPress(char& key) {
    grid_.KeyPress(key);
    bool modifying = key == '\b' || static_cast<unsigned char>(key) >= ' ';
    if (!modifying || !grid_.CanEditModify()) return;
    Modify([&] { CharAction(key); });
}
