#pragma once
// The server's source of the current time, behind an interface so that tests can pin it.
#include "DateTime.h"

namespace appserver {

class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time of day.
    virtual TDateTime Now() const = 0;
};

class SystemClock : public Clock {
public:
    TDateTime Now() const override;
};

}  // namespace appserver
