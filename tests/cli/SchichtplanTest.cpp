#include "cli/Schichtplan.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/PlanExport.h"
#include "cli/PlanOptions.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

const DayNumber kToday = DayNumberOf(2026, 12, 7);

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunWith(const std::vector<std::string>& args, DayNumber today = kToday) {
    CliRun r;
    r.status = RunSchichtplan(args, today, r.out, r.err);
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t p; (p = line.find(';', start)) != std::string::npos; start = p + 1)
        fields.push_back(line.substr(start, p - start));
    fields.push_back(line.substr(start));
    return fields;
}

// Output that cannot be written ends the run with status 1 at once; what
// could be written is the start of the whole output.
TEST(Schichtplan, StopsWhenTheOutputCannotBeWritten) {
    for (const std::string format : {"csv", "text"}) {
        SCOPED_TRACE(format);
        std::vector<std::string> args = {"--from", "2020-01-01", "--to", "2022-12-31", "--format", format};
        const CliRun whole = RunWith(args);
        ASSERT_EQ(whole.status, kExitOk) << whole.err;
        int pieces = 0;
        std::string written;
        std::string err;
        const int status = RunSchichtplan(args, kToday, [&](std::string_view piece) {
            if (++pieces > 1) return false;
            written += piece;
            return true;
        }, err);
        EXPECT_EQ(status, kExitWriteFailed);
        EXPECT_EQ(pieces, 2);
        EXPECT_FALSE(written.empty());
        EXPECT_TRUE(whole.out.starts_with(written));
    }
}

TEST(Schichtplan, KnownDayLines) {
    struct Case {
        const char* day;
        const char* type;
        const char* line;
    } cases[] = {
        {"2024-01-01", "1", "2024-01-01;Montag;1;1;Neujahr;1;31420;"},
        {"1970-01-01", "2", "1970-01-01;Donnerstag;1;1;Neujahr;0;012;"},
        {"2037-12-31", "7", "2037-12-31;Donnerstag;53;0;Silvester;0;2143;"},
        {"2037-12-31", "6", "2037-12-31;Donnerstag;53;0;Silvester;0;2341;"},
        // In the vacation window: Rot on vacation on a day it would have been off,
        // Gelb (standby) takes over its day off.
        {"2024-04-29", "0", "2024-04-29;Montag;18;0;;0;52431;"},
        // Transition period: no overlay, crews 1-4 on the 28-day rhythm.
        {"2015-01-01", "3", "2015-01-01;Donnerstag;1;1;Neujahr;1;31432;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.day) + " type " + c.type);
        const CliRun r = RunWith({"--from", c.day, "--to", c.day, "--type", c.type});
        ASSERT_EQ(r.status, kExitOk);
        EXPECT_TRUE(r.err.empty());
        // The astronomy field (after the last ';') has its own test.
        EXPECT_EQ(r.out.substr(0, r.out.rfind(';') + 1), std::string(kCsvHeader) + "\n" + c.line);
    }
}

// Every line has eight fields and a shift field of the type's crew count.
TEST(Schichtplan, ShiftFieldPerType) {
    const std::size_t digits[] = {5, 5, 3, 5, 5, 5, 4, 4};
    for (int type = 0; type < 8; ++type) {
        SCOPED_TRACE(type);
        const CliRun r = RunWith({"--from", "2014-12-01", "--to", "2015-12-31", "--type", std::to_string(type)});
        ASSERT_EQ(r.status, kExitOk);
        const auto lines = Lines(r.out);
        ASSERT_EQ(lines.size(), 397u);
        EXPECT_EQ(lines[0], kCsvHeader);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const auto f = Fields(lines[i]);
            ASSERT_EQ(f.size(), 8u) << lines[i];
            ASSERT_EQ(f[6].size(), digits[type]) << lines[i];
            ASSERT_EQ(f[6].find_first_not_of(type == 2 ? "012" : "012345"), std::string::npos) << lines[i];
        }
    }
}

TEST(Schichtplan, DefaultRange) {
    struct Case {
        DayNumber today;
        const char* first;
        const char* last;
    } cases[] = {
        {kToday, "2026-12-01", "2027-11-30"},
        {DayNumberOf(2024, 2, 29), "2024-02-01", "2025-01-31"},
        {DayNumberOf(2037, 6, 15), "2037-06-01", "2037-12-31"},  // capped at the calendar's end
        {DayNumberOf(2040, 1, 1), "2037-12-01", "2037-12-31"},   // clock beyond the calendar
        {-400, "1970-01-01", "1970-12-31"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        const CliRun r = RunWith({}, c.today);
        ASSERT_EQ(r.status, kExitOk);
        const auto lines = Lines(r.out);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[1].substr(0, 10), c.first);
        EXPECT_EQ(lines.back().substr(0, 10), c.last);
    }
    // Only --from: the eleventh month after it ends the range.
    const CliRun r = RunWith({"--from=2024-03-15"});
    EXPECT_EQ(Lines(r.out).back().substr(0, 10), "2025-02-28");
}

// Bad input: status 2, nothing on stdout, one German line naming the value.
TEST(Schichtplan, BadInput) {
    struct Case {
        std::vector<std::string> args;
        const char* named;
    } cases[] = {
        {{"--foo"}, "--foo"},
        {{"-x"}, "-x"},
        {{"extra"}, "extra"},
        {{"--from"}, "--from"},
        {{"--from", "2024-02-30"}, "2024-02-30"},
        {{"--from", "2023-02-29"}, "2023-02-29"},
        {{"--to", "2024-13-01"}, "2024-13-01"},
        {{"--from", "24-01-01"}, "24-01-01"},
        {{"--from", "2024-1-01"}, "2024-1-01"},
        {{"--from", "2024/01/01"}, "2024/01/01"},
        {{"--from", "2024-01-01x"}, "2024-01-01x"},
        {{"--from", "1969-12-31"}, "1969-12-31"},
        {{"--to", "2038-01-01"}, "2038-01-01"},
        {{"--from", "2024-05-02", "--to", "2024-05-01"}, "2024-05-02"},
        {{"--to", "2020-01-31"}, "2020-01-31"},  // before the default start
        {{"--type", "8"}, "8"},
        {{"--type", "-1"}, "-1"},
        {{"--type", "1a"}, "1a"},
        {{"--type", ""}, "„“"},
        {{"--format", "xml"}, "xml"},
        {{"--lat", "abc"}, "abc"},
        {{"--lat", "91"}, "91"},
        {{"--lon", "12.5.3"}, "12.5.3"},
        {{"--lon", "nan"}, "nan"},
        {{"--zone", "1e999"}, "1e999"},
        {{"--zone", "inf"}, "inf"},
        {{"--dst", "yes"}, "yes"},
        {{"--twilight", "3"}, "3"},
        {{"--region", "XY"}, "XY"},
        {{"--region", "Bayern"}, "Bayern"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : ""));
        const CliRun r = RunWith(c.args);
        EXPECT_EQ(r.status, kExitBadInput);
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;  // exactly one line
        EXPECT_EQ(r.err.rfind("schichtplan: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
    }
}

TEST(Schichtplan, OptionsReachTheOptionsRecord) {
    const ParsedArguments p = ParsePlanArguments(
        {"--lat", "-33,55", "--lon=-151.12", "--zone", "10", "--dst", "0", "--twilight", "2", "--type", "6",
         "--format", "text", "--from", "2020-02-29", "--to", "2020-03-01"},
        kToday);
    ASSERT_EQ(p.outcome, ParsedArguments::Outcome::Run) << p.error;
    EXPECT_DOUBLE_EQ(p.options.observer.latitude, -33.55);
    EXPECT_DOUBLE_EQ(p.options.observer.longitude, -151.12);
    EXPECT_DOUBLE_EQ(p.options.observer.zone, 10.0);
    EXPECT_FALSE(p.options.observer.autoSummerTime);
    EXPECT_EQ(p.options.observer.twilightKind, 2);
    EXPECT_EQ(p.options.calendarType, 6);
    EXPECT_EQ(p.options.format, PlanFormat::Text);
    EXPECT_EQ(p.options.from, DayNumberOf(2020, 2, 29));
    EXPECT_EQ(p.options.to, DayNumberOf(2020, 3, 1));

    const ParsedArguments d = ParsePlanArguments({}, kToday);
    EXPECT_DOUBLE_EQ(d.options.observer.latitude, 48.47);
    EXPECT_DOUBLE_EQ(d.options.observer.longitude, -12.52);
    EXPECT_DOUBLE_EQ(d.options.observer.zone, 1.0);
    EXPECT_TRUE(d.options.observer.autoSummerTime);
    EXPECT_EQ(d.options.observer.twilightKind, 0);
    EXPECT_EQ(d.options.calendarType, 0);

    const CliRun help = RunWith({"--type", "3", "--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("Aufruf: schichtplan"), std::string::npos);
}

TEST(Schichtplan, TextFormat) {
    struct Case {
        const char* type;
        const char* day;
        std::vector<const char*> present;
        std::vector<const char*> absent;
    } cases[] = {
        // 2024-05-01, type 1: Gelb early, Braun late, Grün night, Rot on vacation.
        {"1", "2024-05-01",
         {"Schichtplan „Haldenau Werk“", "Mai 2024", "01.05.2024  Mittwoch", "KW 18", "Früh: Gelb", "Spät: Braun",
          "Nacht: Grün", "Urlaub: Rot", "Maifeiertag (Feiertag)"},
         {"Blau"}},
        {"2", "2015-01-01", {"Früh: Rot", "Spät: Blau", "Neujahr (Feiertag)"}, {"Nacht", "Gelb"}},
        {"7", "2037-12-31", {"Früh: Schicht B", "Spät: Schicht A", "Nacht: Schicht D", "Silvester"}, {"Feiertag"}},
        // Transition period: two crews share the night shift.
        {"0", "2015-01-01", {"Früh: Blau", "Spät: Braun", "Nacht: Rot, Grün"}, {"Urlaub", "Gelb"}},
        // Sunday: nobody on the late shift.
        {"5", "2024-05-05", {"Spät: -"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.day);
        const CliRun r = RunWith({"--format", "text", "--type", c.type, "--from", c.day, "--to", c.day});
        ASSERT_EQ(r.status, kExitOk);
        for (const char* s : c.present) EXPECT_NE(r.out.find(s), std::string::npos) << s << "\n" << r.out;
        for (const char* s : c.absent) EXPECT_EQ(r.out.find(s), std::string::npos) << s << "\n" << r.out;
    }
    // One line per day plus the title and a heading per month.
    const CliRun year = RunWith({"--format", "text", "--from", "2023-01-01", "--to", "2023-12-31"});
    EXPECT_EQ(Lines(year.out).size(), 1u + 365u + 2u * 12u);
}

// School holidays from the shipped file of the state, read from the start,
// below a data folder's stored periods; a bad file given on the command line
// stops the run before anything is written.
TEST(Schichtplan, SchoolHolidaysFromFileAndDataFolder) {
    const std::string shipped = std::string(SK_SOURCE_DIR) + "/data/school-holidays/schulferien-bayern.ics";
    const std::vector<std::string> range = {"--from", "2026-09-14", "--to", "2026-09-15"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.end(), range.begin(), range.end());
        return RunWith(more);
    };
    auto column = [](const CliRun& r, std::size_t line) { return Fields(Lines(r.out).at(line)).at(5); };

    const CliRun plain = with({});
    EXPECT_EQ(plain.err, "");
    EXPECT_EQ(column(plain, 1), "1");
    EXPECT_EQ(column(plain, 2), "0");
    const CliRun file = with({"--school-holidays", shipped});
    ASSERT_EQ(file.status, kExitOk) << file.err;
    EXPECT_EQ(file.err, "");
    EXPECT_EQ(column(file, 1), "1");
    EXPECT_EQ(column(file, 2), "0");
    // Hessen's summer 2026 ends in August.
    EXPECT_EQ(column(with({"--region", "HE"}), 1), "0");

    testing::TempFolder data;
    EXPECT_EQ(column(with({"--data", data.Path()}), 1), "1");
    testing::WriteFile(data.Dir() + "Schulferien.dat", "2026-08-03 2026-09-11 Sommer\n");
    EXPECT_EQ(column(with({"--data", data.Path()}), 1), "0");

    const CliRun text = with({"--format", "text"});
    EXPECT_NE(Lines(text.out).at(3).find("Schulferien"), std::string::npos) << text.out;
    EXPECT_EQ(Lines(text.out).at(4).find("Schulferien"), std::string::npos) << text.out;
    const CliRun ics = with({"--school-holidays", shipped, "--format", "ics", "--crew", "1"});
    EXPECT_NE(ics.out.find("SUMMARY:Schulferien Sommer 2026"), std::string::npos);
    EXPECT_NE(ics.out.find("DTEND;VALUE=DATE:20260915"), std::string::npos);

    testing::WriteFile(data.Dir() + "bad.ics", "keine Kalenderdatei");
    const CliRun bad = with({"--school-holidays", data.Dir() + "bad.ics"});
    EXPECT_EQ(bad.status, kExitBadInput);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("keine iCalendar-Datei"), std::string::npos) << bad.err;
}

// The state's days off in the feiertag and tagesname columns and the text.
TEST(Schichtplan, RegionChoosesTheDaysOff) {
    const std::vector<std::string> day = {"--from", "2027-11-17", "--to", "2027-11-17"};
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.end(), day.begin(), day.end());
        return RunWith(args);
    };
    const CliRun sn = run({"--region", "sn"});
    ASSERT_EQ(sn.status, kExitOk) << sn.err;
    EXPECT_EQ(Fields(Lines(sn.out).at(1)).at(3), "1");
    EXPECT_EQ(Fields(Lines(sn.out).at(1)).at(4), "Buß- und Bettag");
    EXPECT_EQ(Fields(Lines(run({}).out).at(1)).at(3), "0");
    EXPECT_NE(run({"--region", "SN", "--format", "text"}).out.find("Buß- und Bettag (Feiertag)"), std::string::npos);
}

}  // namespace
}  // namespace sk
