#include "Clock.h"

#include <ctime>

namespace appserver {

TDateTime SystemClock::Now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    return TDateTime(EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).Value + seconds / 86400.0);
}

}  // namespace appserver
