#include "KeyRouting.h"

#include "TApplication.h"

#include <QKeyEvent>

namespace KeyRouting {

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers) {
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier) shift.Include(ssShift);
    if (modifiers & Qt::ControlModifier) shift.Include(ssCtrl);
    if (modifiers & Qt::AltModifier) shift.Include(ssAlt);
    return shift;
}

Word VirtualKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<Word>('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<Word>('0' + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<Word>(VK_F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    }
    return 0;
}

void RouteKey(const QKeyEvent& event) {
    TShiftState shift = ShiftOf(event.modifiers());
    if (event.key() == Qt::Key_Backtab) shift.Include(ssShift);
    Word key = VirtualKey(event.key());
    QString text = event.text();
    bool typed = !text.isEmpty() && text.at(0).isPrint() && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt) &&
                 !(key == VK_SPACE && !shift.Empty());
    if (typed)
        Application->TypeText(text.toStdString());
    else if (key != 0)
        Application->PressKey(key, shift);
}

bool ClaimsShortcut(QEvent* event) {
    return event->type() == QEvent::ShortcutOverride &&
           !(static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier);
}

bool RoutedFocusReason(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason ||
           reason == Qt::OtherFocusReason;
}

}  // namespace KeyRouting
