#pragma once
// The face of a grid's in-place editor (TInplaceEdit): a line edit over the current cell, with a
// "..." button at its right end when the column asks for one. It holds no text of its own: the
// owning DBGridWidget loads it from the platform editor after every change, and everything the
// user does to it (keys, the button, a click placing the caret, the focus) goes back to the
// platform through the callbacks below, so the grid's key handlers, AutoEdit and read-only
// rules decide what the text becomes.
#include <QLineEdit>

#include <functional>

class QToolButton;

class DBGridEditor : public QLineEdit {
public:
    explicit DBGridEditor(QWidget* parent);

    // The editor has just come to a cell: the user's first click into it selects the whole text,
    // so that typing replaces it; later clicks place the caret.
    void ArrivedAtCell() { arrived_ = true; }

    // Shows or hides the "..." button.
    void SetButtonShown(bool shown);
    bool ButtonShown() const;
    QToolButton& Button() const { return *button_; }

    std::function<void(QKeyEvent* event)> OnKey;
    std::function<void()> OnButtonClick;
    // A double click on the editor is one on the grid's current cell.
    std::function<void()> OnDoubleClick;
    // The user placed the caret or selected with the mouse.
    std::function<void(int start, int length)> OnSelect;
    // The user put the focus here (not the platform).
    std::function<void()> OnUserFocus;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void PlaceButton();

    QToolButton* button_;
    bool arrived_ = false;
};
