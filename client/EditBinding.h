#pragma once
// A platform edit (TEdit, and the masked and date edits built on it) as a QLineEdit. The edit
// takes no keystroke itself: typing goes through the form's key routing into the platform
// edit (its mask, its length limit, the screen's key handlers), and the line edit then shows
// the edit's text and selection. A click places the caret or drags a selection as Qt does, and
// that selection is handed to the platform edit, so typing replaces what the user sees selected.
#include "ControlBinding.h"

class QLineEdit;
class TEdit;

class EditBinding : public ControlBinding {
public:
    EditBinding(TEdit& edit, QWidget& parent, ScreenWindow& window);

    void Synchronize() override;

protected:
    void ApplyText() override;
    void ApplyColours() override;

private:
    TEdit& Edit() const;
    QLineEdit& View() const;
    // The user's caret or selection in the line edit, into the platform edit.
    void HandSelection();

    bool applying_ = false;
};
