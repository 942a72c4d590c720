// The export window's file is the command line's file for the same choices.

#include <gtest/gtest.h>

#include <sstream>

#include "accounting/HoursAccount.h"
#include "cli/Schichtplan.h"
#include "common/TempFolder.h"
#include "ical/PhoneExport.h"
#include "marks/ShiftMarks.h"

namespace sk {
namespace {

using testing::TempFolder;

std::string WithoutStamps(const std::string& ics) {
    std::istringstream in(ics);
    std::string out;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("DTSTAMP", 0) != 0) out += line + "\n";
    return out;
}

TEST(PhoneExport, WritesWhatTheCommandLineWritesForTheSameChoices) {
    TempFolder folder;
    ShiftMarkList marks;
    marks.Assign({ShiftMark{DayNumberOf(2026, 3, 4), 2, 1}, ShiftMark{DayNumberOf(2026, 7, 9), 3, 0}});
    ASSERT_TRUE(marks.Save(folder.Dir()));
    marks.Load(folder.Dir());

    struct Case { int type; int crew; bool vacation; bool withMarks; };
    for (const Case c : {Case{1, 2, true, true}, Case{0, 0, false, true}, Case{5, 4, true, false}, Case{7, 1, true, true},
                         Case{2, 1, false, false}}) {
        // The command line learns the home crew from the hours file.
        HoursRecord hours;
        hours.homeCrew = c.crew;
        ASSERT_TRUE(SaveHours(folder.Dir(), hours));
        PhoneExportForm form = DefaultPhoneExportForm(c.type, c.crew, 2026, folder.Path());
        form.vacationBlock = c.vacation;
        form.marks = c.withMarks;
        PlanIcsRequest base;
        base.calendarType = c.type;
        base.marks = &marks;
        ASSERT_EQ(WritePhoneExport(form, base, 1700000000), "");
        const std::string written = testing::ReadFile(form.path);

        std::string out, err;
        ASSERT_EQ(RunSchichtplan({"--format", "ics", "--type", std::to_string(c.type), "--crew", std::to_string(c.crew + 1),
                                  "--from", "2026-01-01", "--to", "2026-12-31", "--data", folder.Path(),
                                  "--vacation-block", c.vacation ? "1" : "0", "--marks", c.withMarks ? "1" : "0"},
                                 DayNumberOf(2026, 1, 1), out, err),
                  kExitOk)
            << err;
        EXPECT_EQ(WithoutStamps(written), WithoutStamps(out)) << "type " << c.type;
        EXPECT_NE(written.find("BEGIN:VEVENT"), std::string::npos);
    }
}

TEST(PhoneExport, DefaultsAndRefusals) {
    const PhoneExportForm five = DefaultPhoneExportForm(1, 3, 2026, "/home/anna");
    EXPECT_EQ(five.crewNames.size(), 5u);
    EXPECT_EQ(five.path, "/home/anna/Schichtplan-Gruen-2026.ics");
    EXPECT_EQ(five.from, DayNumberOf(2026, 1, 1));
    EXPECT_EQ(five.to, DayNumberOf(2026, 12, 31));
    // A home crew the plan lacks falls back to its last crew.
    EXPECT_EQ(DefaultPhoneExportForm(6, 4, 2026, "/h").path, "/h/Schichtplan-Schicht_D-2026.ics");
    EXPECT_TRUE(DefaultPhoneExportForm(kOwnPlanCalendarType, 0, 2026, "/h").crewNames.empty());

    PhoneExportForm backwards = five;
    backwards.from = five.to + 1;
    EXPECT_NE(WritePhoneExport(backwards, PlanIcsRequest{}, 0), "");
    PhoneExportForm unwritable = five;
    unwritable.path = "/nonexistent-folder/x.ics";
    PlanIcsRequest type1;
    type1.calendarType = 1;
    EXPECT_NE(WritePhoneExport(unwritable, type1, 0).find("nicht schreiben"), std::string::npos);
}

}  // namespace
}  // namespace sk
