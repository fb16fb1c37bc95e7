#include "EditBinding.h"

#include "QtCanvas.h"

#include "TEdit.h"

#include <QLineEdit>

EditBinding::EditBinding(TEdit& edit, QWidget& parent, ScreenWindow& window)
    : ControlBinding(edit, *new QLineEdit(&parent), window) {
    View().setDragEnabled(false);
    View().setAcceptDrops(false);
    View().setTextMargins(0, 0, 0, 0);
    QObject::connect(&View(), &QLineEdit::selectionChanged, this, [this] { HandSelection(); });
    QObject::connect(&View(), &QLineEdit::cursorPositionChanged, this, [this] { HandSelection(); });
}

TEdit& EditBinding::Edit() const { return static_cast<TEdit&>(*Control()); }
QLineEdit& EditBinding::View() const { return static_cast<QLineEdit&>(*Widget()); }

void EditBinding::ApplyText() {
    applying_ = true;
    QString text = QString::fromStdString(Edit().Text());
    if (View().text() != text) View().setText(text);
    applying_ = false;
    Synchronize();
}

// The platform edit keeps its selection when the focus leaves it; as on any desktop, only the
// focused edit shows one.
void EditBinding::Synchronize() {
    if (!Control()) return;
    applying_ = true;
    if (Edit().SelLength() > 0 && Edit().Focused())
        View().setSelection(Edit().SelStart(), Edit().SelLength());
    else
        View().setCursorPosition(Edit().SelStart());
    applying_ = false;
}

void EditBinding::HandSelection() {
    if (applying_ || !Control() || !Edit().Focused()) return;
    int start = View().hasSelectedText() ? View().selectionStart() : View().cursorPosition();
    Edit().SetSelStart(start);
    Edit().SetSelLength(static_cast<int>(View().selectedText().size()));
}

void EditBinding::ApplyColours() {
    QPalette colours = View().palette();
    SetColours(colours, QPalette::Base, QtCanvas::QtColor(Edit().Color()), QtCanvas::QtColor(clBtnFace));
    SetColours(colours, QPalette::Text, QtCanvas::QtColor(Edit().Font().Color), QtCanvas::QtColor(clGrayText));
    View().setPalette(colours);
}
