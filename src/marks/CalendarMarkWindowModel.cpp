#include "marks/CalendarMarkWindowModel.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sk {

namespace {

int Component(double value) { return static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0)); }

}  // namespace

CalendarMarkWindowModel::CalendarMarkWindowModel(const CalendarMarkList& list, DayNumber selectedDay) {
    const CalendarMark initial = list.InitialMarkOfDay(selectedDay);
    start_ = std::clamp(initial.start, kFirstMarkFieldDay, kLastMarkFieldDay);
    end_ = std::clamp(initial.end, kFirstMarkFieldDay, kLastMarkFieldDay);
    colour_ = initial.colour;
}

void CalendarMarkWindowModel::ChooseColour(double red, double green, double blue) {
    colour_ = static_cast<std::uint32_t>(Component(red) + Component(green) * 256 + Component(blue) * 65536);
    // Black reads as "no mark" everywhere; the nearest colour that paints is kept instead.
    if (colour_ == 0) colour_ = kNearBlack;
}

void CalendarMarkWindowModel::ColourComponents(double& red, double& green, double& blue) const {
    red = (colour_ & 0xFF) / 255.0;
    green = ((colour_ >> 8) & 0xFF) / 255.0;
    blue = ((colour_ >> 16) & 0xFF) / 255.0;
}

bool CalendarMarkWindowModel::Finish(CalendarMarkList& list, CalendarMarkEnding ending, DayNumber startField,
                                     DayNumber endField) const {
    DayNumber l = startField;
    DayNumber m = endField;
    if (m < l) std::swap(l, m);
    switch (ending) {
        case CalendarMarkEnding::Save:
            list.SaveMarkEntry(l, m, colour_);
            return true;
        case CalendarMarkEnding::Delete: {
            const bool found = list.FindMarkOfDay(l).has_value();
            list.DeleteCalendarMarkAt(l);
            return found;
        }
        case CalendarMarkEnding::Cancel:
            return false;
    }
    return false;
}

}  // namespace sk
