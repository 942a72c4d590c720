#include <gtest/gtest.h>

#include "marks/CalendarMarkWindowModel.h"

namespace sk {
namespace {

using Marks = std::vector<CalendarMark>;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kDefault = kDefaultCalendarMarkColour;

TEST(CalendarMarkWindowModel, StartsWithTheMarkOfTheDayOrANewWeek) {
    struct Case { Marks marks; DayNumber day; DayNumber start, end; std::uint32_t colour; };
    const Case cases[] = {
        {{}, 19737, 19737, 19744, kDefault},                        // a day without mark and the seven after it
        {{{19700, 19750, kBlue}}, 19737, 19700, 19750, kBlue},      // the mark the day lies in
        {{{19700, 19710, kBlue}}, 19737, 19737, 19744, kDefault},   // a mark elsewhere is no concern
        {{}, 24680, 24680, 24683, kDefault},                        // kept inside the date fields' range
        {{{24000, 24836, kGreen}}, 24683, 24000, 24683, kGreen},
    };
    for (const Case& c : cases) {
        CalendarMarkList list;
        list.Assign(c.marks);
        const CalendarMarkWindowModel model(list, c.day);
        EXPECT_EQ(model.Start(), c.start) << c.day;
        EXPECT_EQ(model.End(), c.end) << c.day;
        EXPECT_EQ(model.Colour(), c.colour) << c.day;
    }
}

TEST(CalendarMarkWindowModel, LeavingTheWindowSavesMovesDeletesOrKeeps) {
    struct Case {
        const char* what;
        Marks marks;
        DayNumber openedOn;
        CalendarMarkEnding ending;
        DayNumber startField, endField;
        Marks want;
        bool changed;
    };
    const Case cases[] = {
        {"new mark", {}, 100, CalendarMarkEnding::Save, 100, 107, {{100, 107, kDefault}}, true},
        {"end before start is swapped", {}, 100, CalendarMarkEnding::Save, 107, 100, {{100, 107, kDefault}}, true},
        {"the day's mark moves", {{100, 110, kBlue}}, 105, CalendarMarkEnding::Save, 105, 120,
         {{105, 120, kBlue}}, true},
        {"the mark holding the end moves", {{100, 110, kBlue}}, 90, CalendarMarkEnding::Save, 90, 105,
         {{90, 105, kDefault}}, true},
        {"a mark wholly inside stays", {{100, 110, kBlue}}, 50, CalendarMarkEnding::Save, 50, 200,
         {{50, 200, kDefault}, {100, 110, kBlue}}, true},
        {"the mark of the start is deleted", {{100, 110, kBlue}, {200, 210, kGreen}}, 205,
         CalendarMarkEnding::Delete, 205, 300, {{100, 110, kBlue}}, true},
        {"a mark holding only the end stays", {{200, 210, kGreen}}, 150, CalendarMarkEnding::Delete, 150, 205,
         {{200, 210, kGreen}}, false},
        {"reversed fields delete at the earlier day", {{200, 210, kGreen}}, 150, CalendarMarkEnding::Delete, 300,
         205, {}, true},
        {"cancel keeps everything", {{100, 110, kBlue}}, 105, CalendarMarkEnding::Cancel, 1, 2,
         {{100, 110, kBlue}}, false},
    };
    for (const Case& c : cases) {
        CalendarMarkList list;
        list.Assign(c.marks);
        list.changed = false;
        const CalendarMarkWindowModel model(list, c.openedOn);
        EXPECT_EQ(model.Finish(list, c.ending, c.startField, c.endField), c.changed) << c.what;
        EXPECT_EQ(list.Marks(), c.want) << c.what;
        EXPECT_EQ(list.changed, c.changed) << c.what;
    }
}

TEST(CalendarMarkWindowModel, AsksBeforeReshapingOrHidingAnotherMark) {
    const DayNumber jan = DayNumberOf(2027, 1, 1) - 1;  // jan + d is d January 2027
    struct Case {
        const char* what;
        Marks marks;
        DayNumber openedOn, startField, endField;
        std::vector<const char*> named;  // the lines of the question before its last one
    };
    const Case cases[] = {
        {"a new mark over the start of another", {{jan + 15, jan + 25, kBlue}}, jan + 10, jan + 10, jan + 17,
         {"Die Kalendermarkierung vom 15.01.2027 bis 25.01.2027 wird auf 10.01.2027 bis 17.01.2027 geändert."}},
        {"a new mark around another", {{jan + 12, jan + 14, kBlue}}, jan + 10, jan + 10, jan + 17,
         {"Die Kalendermarkierung vom 12.01.2027 bis 14.01.2027 wird ganz verdeckt und ist danach nicht mehr zu "
          "sehen."}},
        {"the shown mark moved, nothing else touched", {{jan + 15, jan + 25, kBlue}, {jan + 1, jan + 5, kGreen}},
         jan + 20, jan + 15, jan + 30, {}},
        {"the shown mark moved onto another", {{jan + 15, jan + 25, kBlue}, {jan + 1, jan + 5, kGreen}}, jan + 20,
         jan + 3, jan + 25,
         {"Die Kalendermarkierung vom 01.01.2027 bis 05.01.2027 wird auf 03.01.2027 bis 25.01.2027 geändert.",
          "Die Kalendermarkierung vom 15.01.2027 bis 25.01.2027 wird ganz verdeckt und ist danach nicht mehr zu "
          "sehen."}},
        {"the shown mark grown over another", {{jan + 15, jan + 25, kBlue}, {jan + 27, jan + 28, kGreen}}, jan + 20,
         jan + 15, jan + 30,
         {"Die Kalendermarkierung vom 27.01.2027 bis 28.01.2027 wird ganz verdeckt und ist danach nicht mehr zu "
          "sehen."}},
        {"a mark hidden before stays unmentioned", {{jan + 1, jan + 20, kBlue}, {jan + 5, jan + 6, kGreen}}, jan + 10,
         jan + 1, jan + 21, {}},
        {"partly covered is still shown", {{jan + 15, jan + 25, kBlue}}, jan + 1, jan + 1, jan + 14, {}},
        {"a new mark elsewhere", {{jan + 15, jan + 25, kBlue}}, jan + 1, jan + 1, jan + 5, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalendarMarkList list;
        list.Assign(c.marks);
        const CalendarMarkWindowModel model(list, c.openedOn);
        const std::string question = model.SaveQuestion(list, c.startField, c.endField);
        std::string want;
        for (const char* line : c.named) want += std::string(line) + "\r\n";
        if (!want.empty()) want += calendar_mark_texts::kSaveAnywayQuestion;
        EXPECT_EQ(question, want);
        // "Ja" stores what the window stored before it asked.
        CalendarMarkList plain;
        plain.Assign(c.marks);
        plain.SaveMarkEntry(std::min(c.startField, c.endField), std::max(c.startField, c.endField), model.Colour());
        model.Finish(list, CalendarMarkEnding::Save, c.startField, c.endField);
        EXPECT_EQ(list.Marks(), plain.Marks());
    }
}

TEST(CalendarMarkWindowModel, ChosenColoursArePackedAndBlackStillPaints) {
    struct Case { double r, g, b; std::uint32_t want; };
    const Case cases[] = {
        {1.0, 0.0, 0.0, 0x0000FF},
        {0.0, 0.0, 1.0, 0xFF0000},
        {239 / 255.0, 194 / 255.0, 161 / 255.0, kDefault},
        {0.5, 0.25, 0.75, 128 + 64 * 256 + 191 * 65536},
        {0.0, 0.0, 0.0, kNearBlack},
        {-1.0, 2.0, 0.0, 0x00FF00},  // out-of-range components are held to 0 ... 1
    };
    CalendarMarkList list;
    for (const Case& c : cases) {
        CalendarMarkWindowModel model(list, 100);
        model.ChooseColour(c.r, c.g, c.b);
        EXPECT_EQ(model.Colour(), c.want) << c.r << " " << c.g << " " << c.b;
        // The chooser opens again on the same colour.
        double r = 0, g = 0, b = 0;
        model.ColourComponents(r, g, b);
        model.ChooseColour(r, g, b);
        EXPECT_EQ(model.Colour(), c.want);
    }
    CalendarMarkWindowModel model(list, 100);
    model.ChooseColour(0.0, 0.0, 1.0);
    model.Finish(list, CalendarMarkEnding::Save, 100, 101);
    EXPECT_EQ(list.MarkColourOfDay(101), 0xFF0000u);
}

}  // namespace
}  // namespace sk
