#pragma once
// An edit whose typing is limited by an edit mask "body;save;blank". The body gives one class
// per position: 0 and 9 a digit, # a digit or sign, L and l a letter, A and a a letter or digit,
// C and c any character. Typed characters that do not fit their position, or that would pass
// the last position, are refused. Text holds the typed characters only (no blanks, no
// literals). Masks with literal characters are not supported (EInvalidOperation).
#include "TEdit.h"

#include <string>

class TMaskEdit : public TEdit {
public:
    explicit TMaskEdit(TComponent* owner) : TEdit(owner) {}

    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(std::string mask);

protected:
    bool AcceptsTyping(const std::string& text) const override;

private:
    std::string editMask_;
    std::string positions_;  // the mask body: one class character per position
};
