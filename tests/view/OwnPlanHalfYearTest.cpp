#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/Date.h"
#include "shift/OwnShiftPlan.h"
#include "view/HalfYearPage.h"
#include "CorePage.h"
#include "view/Layout.h"

namespace sk {
namespace {

// The half-year page of an own plan with six crews and a day shift: every
// crew's cell carries its colour and letter on working days and stays white
// on days off; the title is the plan's name, the legend its times and crews.
TEST(OwnPlanHalfYearPage, CrewCellsTitleAndLegend) {
    OwnShiftPlan plan = MakeOwnShiftPlan("FFSSNNTT--", DayNumberOf(2025, 1, 6), 6);
    plan.name = "Kesselhaus";
    plan.kindTimes[static_cast<int>(ShiftKind::kDay)] = {7 * 60 + 30, 19 * 60 + 30, 12 * 60};
    const HalfYearGeometry g = HalfYearGeometryOf(1260, 20);
    auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, g.imageWidth, g.imageHeight);
    std::vector<PageText> texts;
    CoreSources sources;
    PaintHalfYearPlan(surface, g, 3, 2025, sources, &texts, &plan);
    surface->flush();
    auto pixel = [&](int x, int y) {
        const unsigned char* p = surface->get_data() + y * surface->get_stride() + x * 4;
        return PackRgb(p[2], p[1], p[0]);
    };
    auto has = [&](const std::string& text) {
        return std::any_of(texts.begin(), texts.end(), [&](const PageText& t) { return t.text == text; });
    };
    EXPECT_TRUE(has("Kesselhaus"));
    EXPECT_TRUE(has("T = Tagschicht"));
    EXPECT_TRUE(has("7.30 - 19.30 Uhr"));
    EXPECT_TRUE(has("06 Violett"));
    EXPECT_FALSE(has("Velmo Haldenau"));

    // March 2025 is the third block; days 10-14 (Monday to Friday).
    const int block = 2;
    int working = 0;
    for (int day = 10; day <= 14; ++day) {
        const DayNumber d = DayNumberOf(2025, 3, day);
        const int top = g.y0 + RoundHalfEven(2.5 * g.ch) + day * g.ch;
        for (int crew = 0; crew < 6; ++crew) {
            const int left = g.x0 + 8 * g.cw * block + 3 * g.cw + crew * 5 * g.cw / 6;
            const char letter = ShiftLetterOf(OwnPlanShiftOf(plan, crew, d));
            SCOPED_TRACE(std::to_string(day) + " crew " + std::to_string(crew));
            if (letter == kOffLetter) {
                EXPECT_EQ(pixel(left + 2, top + 2), PackRgb(255, 255, 255));
                continue;
            }
            ++working;
            EXPECT_EQ(pixel(left + 2, top + 2), static_cast<Rgb>(plan.crews[crew].colour));
            const bool found = std::any_of(texts.begin(), texts.end(), [&](const PageText& t) {
                return t.text == std::string(1, letter) && t.x >= left && t.y >= top && t.y < top + g.ch;
            });
            EXPECT_TRUE(found);
        }
    }
    EXPECT_GT(working, 10);
}

// A plan name of any allowed length stays left of "Erläuterungen:" and
// above the year line, on screen and on paper: smaller, on two lines, or at
// last cut with "…".
TEST(OwnPlanHalfYearPage, LongNamesFitTheirPlace) {
    const std::string sixty(kMaxPlanNameCharacters, 'W');
    const std::vector<std::string> names = {
        "Kesselhaus", "Papiermaschine 3 Nord Kesselhaus", "Wärmekraftwerk Haldenau Schichtbetrieb Süd, Gruppe Ölfeuerung",
        sixty, "Ä" + sixty.substr(1)};
    for (const HalfYearGeometry& g : {HalfYearGeometryOf(1260, 20), HalfYearGeometryOf(900, 14),
                                      HalfYearGeometryOfCells(24, 20)}) {
        for (const std::string& name : names) {
            SCOPED_TRACE(name + " at cell width " + std::to_string(g.cw));
            OwnShiftPlan plan = MakeOwnShiftPlan("FFSSNN----", DayNumberOf(2025, 1, 6), 5);
            plan.name = name;
            auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, g.imageWidth, g.imageHeight);
            std::vector<PageText> texts;
            CoreSources sources;
            PaintHalfYearPlan(surface, g, 1, 2025, sources, &texts, &plan);
            auto find = [&](const std::string& text) {
                return *std::find_if(texts.begin(), texts.end(), [&](const PageText& t) { return t.text == text; });
            };
            const PageText legend = find("Erläuterungen:");
            const PageText year = find("Schichtplan 2025");
            // The pieces, blanks left aside (a line break takes one), give the name or its start before "…".
            auto letters = [](std::string text) {
                std::erase(text, ' ');
                return text;
            };
            std::string shown;
            for (const PageText& t : texts) {
                if (t.x != year.x || t.y >= year.y || t.y < legend.y - g.ch) continue;
                EXPECT_LE(t.x + t.width, legend.x) << t.text;
                EXPECT_LE(t.y + t.height, year.y + g.ch / 4) << t.text;
                shown += letters(t.text);
            }
            const std::string ellipsis = "…";
            if (shown.ends_with(ellipsis)) {
                shown.resize(shown.size() - ellipsis.size());
                EXPECT_TRUE(letters(name).starts_with(shown)) << shown;
                EXPECT_GT(shown.size(), name.size() / 2);
            } else {
                EXPECT_EQ(shown, letters(name));
            }
        }
    }
}

}  // namespace
}  // namespace sk
