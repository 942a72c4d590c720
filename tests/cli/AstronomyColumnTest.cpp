#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/PlanExport.h"
#include "cli/Schichtplan.h"

namespace sk {
namespace {

// The astronomy field of one day's CSV line.
std::string AstronomyOf(const std::vector<std::string>& extraArgs, const char* day) {
    std::vector<std::string> args = {"--from", day, "--to", day};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    std::string out, err;
    EXPECT_EQ(RunSchichtplan(args, DayNumberOf(2026, 12, 7), out, err), kExitOk) << err;
    std::istringstream in(out);
    std::string header, line;
    std::getline(in, header);
    std::getline(in, line);
    EXPECT_EQ(header, kCsvHeader);
    // The eighth field; a notes column may follow it.
    std::size_t start = 0;
    for (int field = 0; field < 7; ++field) {
        const std::size_t p = line.find(';', start);
        if (p == std::string::npos) return {};
        start = p + 1;
    }
    return line.substr(start, line.find(';', start) - start);
}

TEST(AstronomyColumn, DayLineWithPlainBlanks) {
    struct Case {
        std::vector<std::string> args;
        const char* day;
        const char* field;
    } cases[] = {
        {{}, "2017-06-21",
         "Dämmerung: 4:26 - 21:58, Sonne: 5:08 - 21:16, Mond: 3:20 - 17:54, Sommeranfang: 6:25"},
        {{}, "2000-01-21",
         "Dämmerung: 7:18 - 17:25, Sonne: 7:53 - 16:50, Mond: 17:20 - 8:00, Vollmond: 5:41, "
         "Mondfinsternis total: 5:45"},
        {{"--twilight", "2"}, "2017-06-21",
         "Dämmerung: 1:28 - 0:56, Sonne: 5:08 - 21:16, Mond: 3:20 - 17:54, Sommeranfang: 6:25"},
        // Without summer time the clock times are an hour earlier in June (the
        // scan then starts at another instant, so a minute may differ).
        {{"--dst", "0"}, "2017-06-21",
         "Dämmerung: 3:26 - 20:57, Sonne: 4:08 - 20:15, Mond: 2:20 - 16:54, Sommeranfang: 5:25"},
        {{"--lat", "70"}, "2017-06-25", "Dämmerung: immer hell, Sonne: immer sichtbar"},
        {{"--lat", "-90", "--lon", "180", "--zone", "-12"}, "2017-10-29", "Dämmerung: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        const std::string field = AstronomyOf(c.args, c.day);
        EXPECT_TRUE(field.starts_with(c.field)) << field;
        EXPECT_EQ(field.find("\u00A0"), std::string::npos);
        EXPECT_EQ(field.find(';'), std::string::npos);
    }
}

// The column is made in stretches on several threads; the lines must come
// out in day order and equal the line of each day made on its own, across
// stretch ends and from any day on.
TEST(AstronomyColumn, StretchesEqualDaysOneByOne) {
    Observer obs;
    obs.latitude = 60.2;
    const DayNumber last = DayNumberOf(2006, 12, 31);
    std::vector<DayNumber> days;
    for (DayNumber d = DayNumberOf(2000, 1, 1); d <= last; d += 7) {
        days.push_back(d);
        // Back into an earlier stretch while later ones are being made.
        if (d == DayNumberOf(2003, 6, 7)) days.push_back(DayNumberOf(2000, 6, 1));
    }
    days.push_back(DayNumberOf(2000, 6, 2));
    for (bool makeAhead : {false, true}) {
        AstronomyColumn column(obs, days.front(), last, makeAhead);
        for (DayNumber d : days) {
            std::string alone;
            AppendAstronomyField(alone, MakeDayContext(d), obs, nullptr);
            EXPECT_EQ(column.FieldOf(d), alone) << d << (makeAhead ? " made ahead" : "");
        }
    }
}

}  // namespace
}  // namespace sk
