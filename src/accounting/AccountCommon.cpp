#include "accounting/AccountCommon.h"

#include "calendar/Holidays.h"

namespace sk {

bool IsCountedHoliday(DayNumber d, int level) {
    if (level < 1) return false;
    const CivilDate c = CivilOf(d);
    const int monthDay = c.month * 100 + c.day;
    switch (monthDay) {
        case 101: case 106: case 501: case 815: case 1003: case 1225: case 1226:
            return true;
        case 1224: case 1231:
            if (level >= 3) return true;
            break;
        case 430:
            if (level >= 4) return true;
            break;
        default:
            break;
    }
    if (c.year < kFirstFeastYear || c.year > kLastFeastYear) return false;
    const int e = d - FirstDayOfYear(c.year) - EasterDayOfYear(c.year);
    switch (e) {
        case -2: case 0: case 1: case 39: case 49: case 50: case 60:
            return true;
        case -1:
            return level >= 3;
        case 48:
            return level >= 4;
        default:
            return false;
    }
}

}  // namespace sk
