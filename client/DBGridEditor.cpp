#include "DBGridEditor.h"

#include "KeyRouting.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>

namespace {

constexpr int kButtonWidth = 16;

} // namespace

DBGridEditor::DBGridEditor(QWidget* parent) : QLineEdit(parent), button_(new QToolButton(this)) {
    setFrame(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    button_->setText(QStringLiteral("..."));
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setCursor(Qt::ArrowCursor);
    button_->hide();
    connect(button_, &QToolButton::clicked, this, [this] {
        if (OnButtonClick) OnButtonClick();
    });
}

void DBGridEditor::SetButtonShown(bool shown) {
    button_->setVisible(shown);
    setTextMargins(0, 0, shown ? kButtonWidth : 0, 0);
    PlaceButton();
}

bool DBGridEditor::ButtonShown() const { return !button_->isHidden(); }

void DBGridEditor::PlaceButton() { button_->setGeometry(width() - kButtonWidth, 0, kButtonWidth, height()); }

void DBGridEditor::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    PlaceButton();
}

// Keys are the platform's (the screen's own shortcuts run through its key handlers), so the
// window's shortcuts do not take them first; Alt combinations stay the menu's.
bool DBGridEditor::event(QEvent* event) {
    if (KeyRouting::ClaimsShortcut(event)) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

// Tab and Shift+Tab are the grid's keys (next cell, or the next control), not Qt's focus chain.
bool DBGridEditor::focusNextPrevChild(bool) { return false; }

void DBGridEditor::keyPressEvent(QKeyEvent* event) {
    if (OnKey) OnKey(event);
    event->accept();
}

void DBGridEditor::mousePressEvent(QMouseEvent* event) {
    if (!arrived_ || event->button() != Qt::LeftButton) return QLineEdit::mousePressEvent(event);
    arrived_ = false;
    selectAll();
    event->accept();
}

void DBGridEditor::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (!OnSelect) return;
    if (hasSelectedText())
        OnSelect(selectionStart(), static_cast<int>(selectedText().size()));
    else
        OnSelect(cursorPosition(), 0);
}

void DBGridEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnDoubleClick) OnDoubleClick();
}

void DBGridEditor::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && OnUserFocus) OnUserFocus();
}
