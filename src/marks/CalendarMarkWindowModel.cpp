#include "marks/CalendarMarkWindowModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace sk {

namespace {

int Component(double value) { return static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0)); }

std::string DayText(DayNumber d) {
    const CivilDate c = CivilOf(d);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", c.day, c.month, c.year);
    return text;
}

std::string RangeText(DayNumber start, DayNumber end) { return "vom " + DayText(start) + " bis " + DayText(end); }

// A question names this many hidden marks at most, then how many more.
constexpr std::size_t kNamedHiddenMarks = 5;

}  // namespace

CalendarMarkWindowModel::CalendarMarkWindowModel(const CalendarMarkList& list, DayNumber selectedDay) {
    const CalendarMark initial = list.InitialMarkOfDay(selectedDay);
    start_ = std::clamp(initial.start, kFirstMarkFieldDay, kLastMarkFieldDay);
    end_ = std::clamp(initial.end, kFirstMarkFieldDay, kLastMarkFieldDay);
    colour_ = initial.colour;
    if (const auto i = list.FindMarkOfDay(selectedDay)) opened_ = list.Marks()[*i];
}

std::string CalendarMarkWindowModel::SaveQuestion(const CalendarMarkList& list, DayNumber startField,
                                                  DayNumber endField) const {
    DayNumber l = startField;
    DayNumber m = endField;
    if (m < l) std::swap(l, m);
    const MarkEntryEffect effect = list.EffectOfMarkEntry(l, m, colour_);
    std::string text;
    if (effect.changed && effect.changed != opened_) {
        text += "Die Kalendermarkierung " + RangeText(effect.changed->start, effect.changed->end) + " wird auf " +
                DayText(l) + " bis " + DayText(m) + " geändert.\r\n";
    }
    for (std::size_t i = 0; i < effect.hidden.size() && i < kNamedHiddenMarks; ++i) {
        text += "Die Kalendermarkierung " + RangeText(effect.hidden[i].start, effect.hidden[i].end) +
                " wird ganz verdeckt und ist danach nicht mehr zu sehen.\r\n";
    }
    if (effect.hidden.size() > kNamedHiddenMarks) {
        text += "Dazu werden " + std::to_string(effect.hidden.size() - kNamedHiddenMarks) +
                " weitere Kalendermarkierungen ganz verdeckt.\r\n";
    }
    if (text.empty()) return text;
    return text + calendar_mark_texts::kSaveAnywayQuestion;
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
