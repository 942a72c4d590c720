#include <gtest/gtest.h>

#include <string>

#include "marks/ShiftMarkWindowModel.h"

namespace sk {
namespace {

constexpr DayNumber kMonday = 19737;   // 15 January 2024
constexpr DayNumber kSunday = 19743;   // 21 January 2024

TEST(ShiftMarkWindowModel, OptionsSitWhereTheWindowShowsThem) {
    struct Case { int type; std::size_t index; const char* text; double x, y, width; };
    const Case cases[] = {
        {0, 0, "Arbeitseinsatz (X)", 1, 2, 30},
        {0, 1, "Freizeit", 1, 4, 30},
        {3, 5, "Ausfallbezahlung, kurzer Wechsel", 1, 12, 30},
        {2, 6, "Schichtmarkierung löschen (Entf)", 1, 14, 30},
        {6, 0, "Früh", 1, 2, 9},
        {6, 1, "Spät", 10, 2, 9},
        {7, 2, "Nacht", 20, 2, 9},
        {7, 3, "Freizeit", 1, 4, 30},
        {6, 8, "Schichtmarkierung löschen (Entf)", 1, 14, 30},
    };
    EXPECT_EQ(ShiftMarkWindowOptions(1).size(), 7u);
    EXPECT_EQ(ShiftMarkWindowOptions(7).size(), 9u);
    for (const Case& c : cases) {
        const std::vector<ShiftMarkOption> options = ShiftMarkWindowOptions(c.type);
        ASSERT_LT(c.index, options.size());
        const ShiftMarkOption& o = options[c.index];
        EXPECT_EQ(o.text, c.text) << c.type << "/" << c.index;
        EXPECT_EQ(o.x, c.x) << c.text;
        EXPECT_EQ(o.y, c.y) << c.text;
        EXPECT_EQ(o.width, c.width) << c.text;
    }
}

TEST(ShiftMarkWindowModel, HeadingAndStartingOption) {
    EXPECT_EQ(ShiftMarkWindowHeading(0, 2, kMonday), " Frühschicht am 15.01.2024");
    EXPECT_EQ(ShiftMarkWindowHeading(4, 1, kSunday), " Verfügung am 21.01.2024");
    EXPECT_EQ(ShiftMarkWindowHeading(7, 4, 0), " Schicht D am 01.01.1970");

    struct StartCase { int type; int code; int option; };
    const StartCase starts[] = {{0, 0, 0}, {0, 5, 5}, {6, 7, 7}, {0, 7, 0}, {1, 200, 0}, {7, -1, 0}};
    for (const StartCase& s : starts) EXPECT_EQ(ShiftMarkWindowInitialOption(s.type, s.code), s.option);
}

TEST(ShiftMarkWindowModel, ColumnWindowOffersOnlyColumnsThatCanBeMarked) {
    struct Case { int type; DayNumber day; const char* names[4]; bool enabled[4]; int preselected; int initial; };
    const Case cases[] = {
        {0, kMonday, {"Verfügung", "Frühschicht", "Spätschicht", "Nachtschicht"}, {true, true, true, true}, 1, 1},
        {1, kSunday, {"Verfügung", "Frühschicht", "Spätschicht", "Nachtschicht"}, {true, true, false, true}, 3, 1},
        {5, kSunday, {"Verfügung", "Frühschicht", "Spätschicht", "Nachtschicht"}, {true, true, false, true}, 4, 4},
        {2, kMonday, {"Verfügung", "Frühschicht", "Spätschicht", "Nachtschicht"}, {true, true, true, false}, 4, 1},
        {2, kSunday, {"Verfügung", "Frühschicht", "Spätschicht", "Nachtschicht"}, {true, true, false, false}, 2, 2},
        {6, kSunday, {"Schicht A", "Schicht B", "Schicht C", "Schicht D"}, {true, true, true, true}, 3, 3},
    };
    for (const Case& c : cases) {
        const std::vector<ShiftColumnOption> options = ShiftColumnOptions(c.type, c.day);
        ASSERT_EQ(options.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(options[i].text, c.names[i]) << c.type;
            EXPECT_EQ(options[i].enabled, c.enabled[i]) << c.type << " crew " << i + 1 << " day " << c.day;
        }
        EXPECT_EQ(ShiftColumnInitialCrew(c.type, c.day, c.preselected), c.initial) << c.type;
    }
}

}  // namespace
}  // namespace sk
