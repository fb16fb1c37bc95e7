#include "TEdit.h"

#include "Text.h"

#include <algorithm>
#include <cstdlib>

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
}

int TEdit::Length() const { return static_cast<int>(Utf8Length(Text())); }

void TEdit::SetText(std::string text) {
    if (text == Text()) return;
    TWinControl::SetText(std::move(text));
    selStart_ = std::min(selStart_, Length());
    selLength_ = std::min(selLength_, Length() - selStart_);
    if (OnChange) OnChange(this);
}

void TEdit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    Changed(TControlChange::State);
}

void TEdit::SetSelStart(int start) {
    selStart_ = std::clamp(start, 0, Length());
    selLength_ = 0;
    caretAtStart_ = false;
}

void TEdit::SetSelLength(int length) {
    selLength_ = std::clamp(length, 0, Length() - selStart_);
    caretAtStart_ = false;
}

void TEdit::SelectAll() {
    selStart_ = 0;
    selLength_ = Length();
    caretAtStart_ = false;
}

// The end of the selection away from the caret stays where it is.
void TEdit::ExtendSelection(int caret) {
    const int anchor = caretAtStart_ ? selStart_ + selLength_ : selStart_;
    caret = std::clamp(caret, 0, Length());
    selStart_ = std::min(anchor, caret);
    selLength_ = std::abs(caret - anchor);
    caretAtStart_ = caret < anchor;
}

std::string TEdit::SelText() const {
    size_t head = Utf8Left(Text(), selStart_).size();
    return Utf8Left(std::string_view(Text()).substr(head), selLength_);
}

bool TEdit::WantsKey(Word key, TShiftState) const { return key != VK_TAB; }

void TEdit::DoEnter() {
    if (AutoSelect) SelectAll();
    TWinControl::DoEnter();
}

void TEdit::KeyAction(Word& key, TShiftState shift) {
    if (shift.Contains(ssShift) && ExtendsSelection(key)) return;
    if (key == 'A' && shift == TShiftState{ssCtrl}) return SelectAll();
    switch (key) {
    case VK_LEFT: SetSelStart(selLength_ > 0 ? selStart_ : selStart_ - 1); break;
    case VK_RIGHT: SetSelStart(selLength_ > 0 ? selStart_ + selLength_ : selStart_ + 1); break;
    case VK_HOME: SetSelStart(0); break;
    case VK_END: SetSelStart(Length()); break;
    case VK_DELETE:
        if (!readOnly_) DeleteRange(selStart_, selLength_ > 0 ? selLength_ : 1);
        break;
    }
}

// Shift with a caret key moves the caret and selects what it passes over.
bool TEdit::ExtendsSelection(Word key) {
    const int caret = caretAtStart_ ? selStart_ : selStart_ + selLength_;
    switch (key) {
    case VK_LEFT: ExtendSelection(caret - 1); return true;
    case VK_RIGHT: ExtendSelection(caret + 1); return true;
    case VK_HOME: ExtendSelection(0); return true;
    case VK_END: ExtendSelection(Length()); return true;
    }
    return false;
}

void TEdit::CharAction(char& key) {
    if (readOnly_) return;
    if (key == '\b') {
        if (selLength_ > 0)
            DeleteRange(selStart_, selLength_);
        else if (selStart_ > 0)
            DeleteRange(selStart_ - 1, 1);
    } else if (static_cast<unsigned char>(key) >= ' ') {
        ReplaceSelection(DecodeWindows1252(std::string(1, key)));
    }
}

bool TEdit::AcceptsTyping(const std::string& text) const {
    return MaxLength <= 0 || static_cast<int>(Utf8Length(text)) <= MaxLength;
}

std::string TEdit::Spliced(int start, int length, const std::string& insertion) const {
    const std::string& text = Text();
    size_t head = Utf8Left(text, start).size();
    size_t tail = Utf8Left(text, start + length).size();
    return text.substr(0, head) + insertion + text.substr(tail);
}

bool TEdit::ReplaceSelection(const std::string& insertion) {
    std::string text = Spliced(selStart_, selLength_, insertion);
    if (!AcceptsTyping(text)) return false;
    int caret = selStart_ + static_cast<int>(Utf8Length(insertion));
    selLength_ = 0;
    SetText(std::move(text));
    SetSelStart(caret);
    return true;
}

void TEdit::DeleteRange(int start, int length) {
    start = std::clamp(start, 0, Length());
    length = std::clamp(length, 0, Length() - start);
    if (length == 0) return;
    selLength_ = 0;
    SetText(Spliced(start, length, {}));
    SetSelStart(start);
}
