#pragma once
// The hourglass stands while a screen opens, whatever ends the opening.
#include "TScreen.h"

class HourglassCursor {
public:
    HourglassCursor() { Screen->Cursor = crHourGlass; }
    ~HourglassCursor() { Screen->Cursor = crDefault; }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};
