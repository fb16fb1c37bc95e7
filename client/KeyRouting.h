#pragma once
// Qt's keyboard and focus events as the platform takes them. Every key the user presses on a
// screen goes to the platform's form (Application), never to the widget itself, so that the
// screen's key handlers, its focus moves and their aborts decide what a key does.
#include "ControlEvents.h"

#include <Qt>

class QEvent;
class QKeyEvent;

namespace KeyRouting {

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers);
// The platform's key code of a Qt key; 0 for keys the platform has no code for.
Word VirtualKey(int key);
// A key the user pressed, handed to Application: typed characters as text (so accented letters
// and punctuation arrive as themselves), everything else as a key with its modifiers (Space with
// a modifier too: the grids tell Shift+Space and Ctrl+Space from Space).
void RouteKey(const QKeyEvent& event);
// The window's shortcuts must not take the screen's keys; Alt combinations stay the menu's.
// True when `event` is a shortcut check for a key the screen takes (the caller accepts it).
bool ClaimsShortcut(QEvent* event);
// A focus change the user made by keyboard or that code made, as opposed to a mouse press
// (which hands the focus over itself with its click) or a window activation.
bool RoutedFocusReason(Qt::FocusReason reason);

}  // namespace KeyRouting
