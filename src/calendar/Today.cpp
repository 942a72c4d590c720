#include "calendar/Today.h"

#include <algorithm>
#include <ctime>

namespace sk {

DayContext LocalToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    DayNumber d = localtime_r(&now, &local) != nullptr
                      ? DayNumberOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)
                      : DayNumberOfValue(static_cast<DateValue>(now));
    return MakeDayContext(std::clamp(d, kFirstDay, kLastDay));
}

}  // namespace sk
