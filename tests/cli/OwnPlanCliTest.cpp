// schichtplan with the own plan (type 8): from the command line, a plan file
// or a user's data folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/PlanExport.h"
#include "cli/Schichtplan.h"
#include "common/TempFolder.h"
#include "shift/OwnShiftPlanFile.h"

namespace sk {
namespace {

using testing::TempFolder;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunCli(const std::vector<std::string>& args) {
    CliRun r;
    r.status = RunSchichtplan(args, DayNumberOf(2026, 12, 7), r.out, r.err);
    return r;
}

// The `schichten` field of every CSV line after the header.
std::vector<std::string> ShiftFields(const std::string& csv) {
    std::vector<std::string> fields;
    std::size_t line = csv.find('\n') + 1;
    while (line < csv.size()) {
        const std::size_t end = csv.find('\n', line);
        std::size_t start = line;
        for (int i = 0; i < 6; ++i) start = csv.find(';', start) + 1;
        fields.push_back(csv.substr(start, csv.find(';', start) - start));
        line = end + 1;
    }
    return fields;
}

OwnShiftPlan TwelveHourPlan() {
    OwnShiftPlan plan = MakeOwnShiftPlan("FFNN----", DayNumberOf(2027, 1, 4), 4);
    plan.name = "Zwölf";
    plan.kindTimes[0] = {6 * 60, 18 * 60, 12 * 60};
    plan.kindTimes[2] = {18 * 60, 6 * 60, 12 * 60};
    plan.crews[1].name = "Nord";
    return plan;
}

TEST(OwnPlanCli, CsvDigitsPerCrew) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> fields;
    } cases[] = {
        // Default offsets 0, 2, 4, 6, 8.
        {{"--cycle", "FFSSNN----", "--cycle-start", "2024-01-01"}, {"14432", "14432", "21443"}},
        {{"--cycle", "ffssnn----", "--cycle-start", "2024-01-01"}, {"14432", "14432", "21443"}},  // as the window takes it
        {{"--type", "8", "--cycle", "T-", "--cycle-start", "2024-01-02", "--crews", "2"}, {"46", "64", "46"}},
        {{"--cycle", "FSN", "--cycle-start", "2023-12-31", "--offsets", "2,2,0,1"}, {"3321", "1132", "2213"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--from", "2024-01-01", "--to", "2024-01-03"});
        const CliRun r = RunCli(args);
        ASSERT_EQ(r.status, kExitOk) << r.err;
        EXPECT_EQ(ShiftFields(r.out), c.fields) << c.args[1];
    }
}

TEST(OwnPlanCli, PlanFromFileAndDataFolder) {
    TempFolder dir;
    std::string error;
    ASSERT_TRUE(SaveOwnShiftPlan(dir.Dir(), TwelveHourPlan(), error)) << error;
    const std::vector<std::string> range = {"--from", "2027-01-04", "--to", "2027-01-05"};

    std::vector<std::string> args = {"--plan", dir.File(kOwnPlanFileName)};
    args.insert(args.end(), range.begin(), range.end());
    const CliRun fromFile = RunCli(args);
    ASSERT_EQ(fromFile.status, kExitOk) << fromFile.err;
    EXPECT_EQ(ShiftFields(fromFile.out), (std::vector<std::string>{"1443", "1443"}));

    args = {"--type", "8", "--data", dir.Path(), "--format", "text"};
    args.insert(args.end(), range.begin(), range.end());
    const CliRun text = RunCli(args);
    ASSERT_EQ(text.status, kExitOk) << text.err;
    EXPECT_NE(text.out.find("Schichtplan „Zwölf“ vom 04.01.2027 bis 05.01.2027\nFrüh: 6.00 - 18.00 Uhr\n"
                            "Nacht: 18.00 - 6.00 Uhr\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Früh: Rot"), std::string::npos);
    EXPECT_NE(text.out.find("Nacht: Grün"), std::string::npos);

    // The iCalendar export takes the plan's times; crews by number or name.
    args = {"--type", "8", "--data", dir.Path(), "--format", "ics", "--crew", "nord", "--from", "2027-01-08",
            "--to", "2027-01-08"};
    const CliRun ics = RunCli(args);
    ASSERT_EQ(ics.status, kExitOk) << ics.err;
    // Nord (offset 2) is on position 2 on 8 January: night 18:00 to 6:00 the next day.
    EXPECT_NE(ics.out.find("SUMMARY:Nachtschicht"), std::string::npos);
    EXPECT_NE(ics.out.find("DTSTART;TZID=Europe/Berlin:20270108T180000"), std::string::npos) << ics.out;
    EXPECT_NE(ics.out.find("DTEND;TZID=Europe/Berlin:20270109T060000"), std::string::npos);
    EXPECT_NE(ics.out.find("X-WR-CALNAME:Schichtplan Nord (Zwölf)"), std::string::npos);
}

// Every bad own-plan argument is one German line on stderr, exit 2, nothing on stdout.
TEST(OwnPlanCli, BadArgumentsAreOneErrorLine) {
    TempFolder empty;
    TempFolder damaged;
    std::string text = FormatOwnShiftPlan(TwelveHourPlan());
    text.replace(text.find("Zyklus = FFNN----"), 17, "Zyklus = FFQ");
    damaged.Put(kOwnPlanFileName, text);
    const std::vector<std::string> start = {"--cycle-start", "2024-01-01"};
    auto cycle = [&start](std::vector<std::string> args) {
        args.insert(args.end(), start.begin(), start.end());
        return args;
    };
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {cycle({"--cycle", "FFX"}), "an Stelle 3 „X“"},
        {cycle({"--cycle", std::string(85, 'F')}), "höchstens 84"},
        {{"--cycle", "FS", "--cycle-start", "2024-02-30"}, "--cycle-start"},
        {{"--cycle", "FS", "--cycle-start", "1969-12-31"}, "--cycle-start"},
        {{"--cycle", "FS"}, "fehlt der erste Tag"},
        {cycle({"--cycle", "FS", "--crews", "7"}), "Anzahl der Schichten „7“"},
        {cycle({"--cycle", "FS", "--crews", "0"}), "Anzahl der Schichten „0“"},
        {cycle({"--cycle", "FS", "--offsets", "0,2"}), "Versätze „0,2“"},
        {cycle({"--cycle", "FS", "--offsets", "0,,1"}), "Versätze „0,,1“"},
        {cycle({"--cycle", "FS", "--offsets", "0,1,0,1,0,1,0"}), "Versätze"},
        {cycle({"--cycle", "FS", "--offsets", "0\n1"}), "Versätze „0?1“"},
        {cycle({"--cycle", "F\nS"}), "an Stelle 2 ein Sonderzeichen"},
        {cycle({"--cycle", "FS", "--crews", "3", "--offsets", "0,1"}), "nennen 2 Schichten, der Plan hat 3"},
        {cycle({"--type", "3", "--cycle", "FS"}), "nur für die Schichtart 8"},
        {{"--crews", "3"}, "nur zusammen mit --cycle"},
        {{"--type", "8"}, "fehlt der eigene Schichtplan"},
        {{"--type", "9"}, "erlaubt sind 0 bis 8"},
        {{"--plan", "/kein/solcher/Ordner/plan.txt"}, "fehlt"},
        {{"--type", "8", "--data", empty.Path()}, "fehlt"},
        {{"--type", "8", "--data", damaged.Path()}, "Zeile 17:"},
        {cycle({"--cycle", "FS", "--format", "ics", "--crew", "6"}), "erlaubt sind 1 bis 5: 1 Rot"},
        {cycle({"--cycle", "FS", "--plan", "x"}), "schließen einander aus"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CliRun r = RunCli(c.args);
        EXPECT_EQ(r.status, kExitBadInput);
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        EXPECT_EQ(r.err.rfind("schichtplan: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace sk
