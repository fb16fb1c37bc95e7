#pragma once
// A single-line text edit. Text is UTF-8; positions and lengths count characters. The user
// types at the caret, replacing the selection; entering the edit selects all its text
// (AutoSelect), so typing after a Tab replaces it. Shift with the caret keys and Ctrl+A select,
// as on any desktop. Every change of Text, typed or assigned, runs OnChange.
#include "TWinControl.h"

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);

    void SetText(std::string text) override;

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // Most characters the user may type; 0 for no limit. Assigned text is not cut.
    int MaxLength = 0;
    bool AutoSelect = true;

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(int start);
    void SetSelLength(int length);
    void SelectAll();
    std::string SelText() const;

    TNotifyEvent OnChange;

    bool WantsKey(Word key, TShiftState shift) const override;
    void DoEnter() override;

protected:
    // Caret keys (with Shift they select), Ctrl+A (selects all) and Delete.
    void KeyAction(Word& key, TShiftState shift) override;
    // Printable characters replace the selection; Backspace deletes.
    void CharAction(char& key) override;
    // Whether the user may turn the text into `text` by typing (MaxLength here).
    virtual bool AcceptsTyping(const std::string& text) const;
    // Replaces the selection with typed text, when AcceptsTyping allows; true when it did.
    bool ReplaceSelection(const std::string& insertion);

private:
    bool ExtendsSelection(Word key);
    void ExtendSelection(int caret);
    void DeleteRange(int start, int length);
    // The text with `length` characters from `start` replaced by `insertion`.
    std::string Spliced(int start, int length, const std::string& insertion) const;
    int Length() const;

    bool readOnly_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
    bool caretAtStart_ = false;  // a selection made leftwards has the caret at its start
};
