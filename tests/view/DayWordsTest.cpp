#include "view/DayWords.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

// Answers with chosen facts, as the painter's tests do.
class ChosenDay : public CalendarData {
public:
    DayFacts facts;
    ShiftRow row;
    int notes = 0;
    void BeginColumn(const DayContext&, bool) override {}
    DayFacts FactsOfDay(const DayContext&, const PaintOptions&) override { return facts; }
    ShiftRow ShiftsOfDay(const DayContext&, int) override { return row; }
    std::optional<SchoolHolidayBlock> SchoolHolidaysOfYear(int) override { return std::nullopt; }
    int NoteCountOfDay(const DayContext&) override { return notes; }
};

TEST(DayWords, SaysWhatTheCellShows) {
    // 11 January 2027, a Monday; crews Rot early, Gelb late, Braun night,
    // Blau on standby, Grün off, unless a case says otherwise.
    const DayContext monday = MakeDayContext(DayNumberOf(2027, 1, 11));
    const std::string date = "Montag, 11. Januar 2027. ";
    const std::string shifts = "Früh: Rot, Spät: Gelb, Nacht: Braun";
    struct Case {
        const char* what;
        std::optional<int> homeCrew;
        bool vacationWindow, vacationShown, holiday, school;
        Rgb mark;
        int markColumn, markCode, notes;
        std::string want;
    } cases[] = {
        {"plain", std::nullopt, false, true, false, false, 0, 0, -1, 0, date + shifts},
        {"home crew works", 2, false, true, false, false, 0, 0, -1, 0, date + "Ihre Schicht (Gelb): Spät. " + shifts},
        {"home crew off", 3, false, true, false, false, 0, 0, -1, 0, date + "Ihre Schicht (Grün): frei. " + shifts},
        {"home crew on standby", 1, false, true, false, false, 0, 0, -1, 0,
         date + "Ihre Schicht (Blau): Verfügung. " + shifts},
        {"vacation block shown", 1, true, true, false, false, 0, 0, -1, 0,
         date + "Ihre Schicht (Blau): Urlaub. " + shifts + ". Urlaub: Blau"},
        {"vacation block hidden", 1, true, false, false, false, 0, 0, -1, 0,
         date + "Ihre Schicht (Blau): frei. " + shifts},
        {"everything else", std::nullopt, false, true, true, true, 0x123456, 3, 4, 3,
         date + shifts + ". Feiertag. Schulferien. Schichtmarkierung Krank (Spätschicht). Kalendermarkierung. 3 Notizen"},
        {"one note", std::nullopt, false, true, false, false, 0, 0, -1, 1, date + shifts + ". 1 Notiz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChosenDay data;
        data.row.codes = {kShiftEarly, kShiftStandby, kShiftLate, kShiftOff, kShiftNight};
        data.row.inVacationWindow = c.vacationWindow;
        data.row.markColumn = c.markColumn;
        data.row.markCode = c.markCode;
        data.facts.publicHoliday = c.holiday;
        data.facts.schoolHoliday = c.school;
        data.facts.markColour = c.mark;
        data.notes = c.notes;
        DayWordsSources sources;
        sources.options.calendarType = 1;
        sources.options.vacationBlockShown = c.vacationShown;
        sources.homeCrew = c.homeCrew;
        EXPECT_EQ(DayInWords(data, monday, sources), c.want);
    }
}

TEST(DayWords, OwnPlanNamesItsCrewsAndShifts) {
    OwnShiftPlan plan;
    plan.crews = {OwnCrew{"Nord"}, OwnCrew{"Süd"}};
    ChosenDay data;
    data.row.ownPlanDay.crewCount = 2;
    data.row.ownPlanDay.codes[0] = kShiftNight;
    data.row.ownPlanDay.codes[1] = kShiftOff;
    DayWordsSources sources;
    sources.options.calendarType = kOwnPlanCalendarType;
    sources.ownPlan = &plan;
    sources.homeCrew = 1;
    const std::string said = DayInWords(data, MakeDayContext(DayNumberOf(2027, 1, 11)), sources);
    EXPECT_NE(said.find("Ihre Schicht (Süd): frei. "), std::string::npos) << said;
    EXPECT_NE(said.find("Nacht: Nord"), std::string::npos) << said;
}

}  // namespace
}  // namespace sk
