#include "view/StatusLine.h"

#include "calendar/Holidays.h"

namespace sk {

std::string DayInfoText(const DayContext& ctx, Region region) {
    std::string text = LongDateText(ctx);
    const std::string name = DayName(ctx, region);
    if (!name.empty()) text += kDayInfoSeparator + name;
    text += kDayInfoSeparator;
    std::string_view nameDays = NameDays(ctx);
    // A name-day text starts with the day's feast; where the day's name just
    // said it ("Heiliger Abend"), the line does not say it twice.
    if (!name.empty() && nameDays.size() > name.size() + 2 && nameDays.starts_with(name) &&
        nameDays.substr(name.size(), 2) == ", ") {
        nameDays.remove_prefix(name.size() + 2);
    }
    text += nameDays;
    return text;
}

std::string TodayText(const DayContext& today) {
    return ShortDateText(today.day, today.month) + " " + std::to_string(today.year);
}

}  // namespace sk
