#include "marks/ShiftMarkWindowModel.h"

#include <algorithm>

#include "marks/ShiftMarkCodes.h"
#include "marks/ShiftMarks.h"

namespace sk {

namespace {

bool FourCrew(int calendarType) { return calendarType == 6 || calendarType == 7; }

}  // namespace

std::vector<ShiftMarkOption> ShiftMarkWindowOptions(int calendarType) {
    const std::vector<std::string_view> texts = ShiftMarkOptionTexts(calendarType);
    std::vector<ShiftMarkOption> options;
    options.reserve(texts.size());
    // The four-crew types put their three shifts on one row; the others
    // have one work option there. The remaining six options follow one per row.
    const int firstRow = FourCrew(calendarType) ? 3 : 1;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int n = static_cast<int>(i);
        if (n < firstRow) {
            static constexpr double kShiftX[] = {1.0, 10.0, 20.0};
            options.push_back({texts[i], firstRow == 1 ? 1.0 : kShiftX[n], 2.0, firstRow == 1 ? 30.0 : 9.0});
        } else {
            options.push_back({texts[i], 1.0, 4.0 + 2.0 * (n - firstRow), 30.0});
        }
    }
    return options;
}

std::string ShiftMarkWindowHeading(int calendarType, int crew, DayNumber day) {
    return std::string(CrewColumnName(calendarType, crew, true)) + " am " +
           FormatDate("%dd.%mm.%yyyy", static_cast<DateValue>(day) * 86400);
}

int ShiftMarkWindowInitialOption(int calendarType, int code) {
    const int count = static_cast<int>(ShiftMarkOptionTexts(calendarType).size());
    return code >= 0 && code < count ? code : 0;
}

std::vector<ShiftColumnOption> ShiftColumnOptions(int calendarType, DayNumber day) {
    const bool sunday = WeekdayIndex(day) == 0;
    std::vector<ShiftColumnOption> options;
    for (int crew = 1; crew <= 4; ++crew) {
        bool enabled = ShiftMarkEntryAllowed(calendarType, day, crew);
        if (calendarType < 6 && sunday && crew == 3) enabled = false;
        options.push_back({CrewColumnName(calendarType, crew, false), enabled});
    }
    return options;
}

int ShiftColumnInitialCrew(int calendarType, DayNumber day, int preselected) {
    const std::vector<ShiftColumnOption> options = ShiftColumnOptions(calendarType, day);
    if (preselected >= 1 && preselected <= 4 && options[static_cast<std::size_t>(preselected - 1)].enabled) {
        return preselected;
    }
    for (int crew = 1; crew <= 4; ++crew) {
        if (options[static_cast<std::size_t>(crew - 1)].enabled) return crew;
    }
    return 0;
}

}  // namespace sk
