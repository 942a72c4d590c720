#include "view/DayWords.h"

#include <span>
#include <vector>

#include "calendar/Holidays.h"
#include "marks/ShiftMarkCodes.h"
#include "shift/CalendarTypes.h"
#include "shift/ShiftWords.h"

namespace sk {

namespace {

constexpr const char* kOff = "frei";
constexpr const char* kStandby = "Verfügung";
constexpr const char* kVacation = "Urlaub";

bool IsBuiltInType(int type) { return type >= 0 && type < kNumberOfCalendarTypes; }

// Of a five-crew or two-shift row: is the crew on the vacation block as
// the calendar shows it?
bool OnVacationBlock(const ShiftRow& row, int crew, bool shown) {
    const int c = row.codes[static_cast<std::size_t>(crew)];
    return shown && row.inVacationWindow && (c == kShiftStandby || c == kShiftVacationOff);
}

std::string HomeCrewWords(const ShiftRow& row, int type, int crew, const DayWordsSources& s) {
    if (type == kOwnPlanCalendarType) {
        if (!s.ownPlan || crew >= s.ownPlan->CrewCount()) return {};
        const char* shift = ShiftNameOfCode(row.ownPlanDay.Code(crew));
        return "Ihre Schicht (" + s.ownPlan->crews[static_cast<std::size_t>(crew)].name + "): " +
               (*shift ? shift : kOff);
    }
    if (IsFourCrewType(type) || crew >= CrewCountOf(type)) return {};
    const int code = row.codes[static_cast<std::size_t>(crew)];
    const char* what = ShiftNameOfCode(code);
    if (!*what) {
        what = OnVacationBlock(row, crew, s.options.vacationBlockShown) ? kVacation
               : code == kShiftStandby && !row.inVacationWindow ? kStandby
                                                                 : kOff;
    }
    return std::string("Ihre Schicht (") + CrewNameOf(type, crew) + "): " + what;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string out;
    for (const std::string& p : parts) {
        if (p.empty()) continue;
        if (!out.empty()) out += separator;
        out += p;
    }
    return out;
}

}  // namespace

std::string DayInWords(CalendarData& data, const DayContext& day, const DayWordsSources& s) {
    const int type = s.options.calendarType;
    std::vector<std::string> parts{LongDateText(day)};

    // The vacation block belongs to the day's year, as in the painted column.
    DayContext monthStart = day;
    SetDayContextToMonthStart(monthStart);
    data.BeginColumn(monthStart, true);
    const ShiftRow row = data.ShiftsOfDay(day, type);
    if (s.homeCrew) parts.push_back(HomeCrewWords(row, type, *s.homeCrew, s));
    if (type == kOwnPlanCalendarType) {
        if (s.ownPlan) parts.push_back(Joined(OwnPlanShiftCrewTexts(*s.ownPlan, row.ownPlanDay), ", "));
        if (row.ownPlanDay.holidayOff) parts.push_back("alle Schichten frei");
    } else if (IsFourCrewType(type)) {
        parts.push_back(Joined(ShiftCrewTexts(type, std::span<const ShiftCode>(row.fourCrewCodes)), ", "));
    } else if (IsBuiltInType(type)) {
        const int crews = CrewCountOf(type);
        parts.push_back(
            Joined(ShiftCrewTexts(type, std::span<const ShiftCode>(row.codes.data(), static_cast<std::size_t>(crews))),
                   ", "));
        std::string vacation;
        for (int k = 0; k < crews; ++k) {
            if (!OnVacationBlock(row, k, s.options.vacationBlockShown)) continue;
            vacation += vacation.empty() ? std::string(kVacation) + ": " : ", ";
            vacation += CrewNameOf(type, k);
        }
        parts.push_back(vacation);
    }

    const DayFacts facts = data.FactsOfDay(day, s.options);
    std::string name = DayName(day, s.region);
    if (facts.publicHoliday) name = name.empty() ? "Feiertag" : name + " (Feiertag)";
    parts.push_back(name);
    if (facts.schoolHoliday) parts.push_back("Schulferien");
    if (row.markColumn != 0 && row.markCode >= 0) {
        const auto options = ShiftMarkOptionTexts(type);
        if (static_cast<std::size_t>(row.markCode) < options.size()) {
            parts.push_back("Schichtmarkierung " + std::string(options[static_cast<std::size_t>(row.markCode)]) +
                            " (" + std::string(CrewColumnName(type, row.markColumn, false)) + ")");
        }
    }
    if (facts.markColour != 0) parts.push_back("Kalendermarkierung");
    const int notes = data.NoteCountOfDay(day);
    if (notes == 1) parts.push_back("1 Notiz");
    if (notes > 1) parts.push_back(std::to_string(notes) + " Notizen");
    return Joined(parts, kDayWordsSeparator);
}

}  // namespace sk
