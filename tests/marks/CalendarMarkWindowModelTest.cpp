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
