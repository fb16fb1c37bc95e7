#pragma once
// Event shapes of controls and forms. The sender is the component that raised the event.
#include "Keys.h"

#include <functional>

class TComponent;

using TNotifyEvent = std::function<void(TComponent* Sender)>;
// Key is the virtual key code; setting it to 0 swallows the key.
using TKeyEvent = std::function<void(TComponent* Sender, Word& Key, TShiftState Shift)>;
// Key is the typed character (Windows-1252); setting it to '\0' swallows it.
using TKeyPressEvent = std::function<void(TComponent* Sender, char& Key)>;
