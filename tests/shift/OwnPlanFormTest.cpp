#include "shift/OwnPlanForm.h"

#include <gtest/gtest.h>

#include <functional>

namespace sk {
namespace {

const DayNumber kMonday = DayNumberOf(2025, 3, 3);

std::vector<std::string> Offsets(const OwnPlanForm& form) {
    std::vector<std::string> offsets;
    for (const OwnPlanCrewFields& c : form.crews) offsets.push_back(c.offset);
    return offsets;
}

TEST(OwnPlanForm, OffsetsFollowTheSpreadUntilTheUserSetsOne) {
    OwnPlanForm form = NewOwnPlanForm(kMonday);
    EXPECT_EQ(Offsets(form), (std::vector<std::string>{"0", "2", "4", "6", "8"}));
    SetCycle(form, "ff ss nn --");  // typed in lower case with blanks
    EXPECT_EQ(form.cycle, "FFSSNN--");
    EXPECT_EQ(Offsets(form), (std::vector<std::string>{"0", "1", "3", "4", "6"}));
    SetCrewCount(form, 9);  // held to six; the sixth gets its default name
    ASSERT_EQ(form.crews.size(), 6u);
    EXPECT_EQ(form.crews[5].name, "Violett");
    EXPECT_EQ(Offsets(form), (std::vector<std::string>{"0", "1", "2", "4", "5", "6"}));

    SetCrewOffset(form, 2, "3");
    SetCycle(form, "FFSSNN----");
    SetCrewCount(form, 5);
    EXPECT_EQ(Offsets(form), (std::vector<std::string>{"0", "1", "3", "4", "5"}));  // kept as typed
    SpreadOffsets(form);
    EXPECT_EQ(Offsets(form), (std::vector<std::string>{"0", "2", "4", "6", "8"}));

    // A stored plan with its own offsets keeps them when the cycle changes.
    OwnShiftPlan plan = MakeOwnShiftPlan("FFSSNN----", kMonday, 5);
    plan.crews[1].offset = 1;
    OwnPlanForm stored = OwnPlanFormOf(plan);
    SetCycle(stored, "FSN---");
    EXPECT_EQ(stored.crews[1].offset, "1");
}

TEST(OwnPlanForm, PaidHoursFollowTheTimesUntilChanged) {
    OwnPlanForm form = NewOwnPlanForm(kMonday);
    const int early = static_cast<int>(ShiftKind::kEarly);
    EXPECT_EQ(form.kinds[early].paid, "8:00");
    SetKindTimes(form, early, "6", "18.00");  // a 12-hour shift, typed loosely
    EXPECT_EQ(form.kinds[early].paid, "12:00");
    form.kinds[early].paid = "11,5";
    SetKindTimes(form, early, "6:00", "18:30");
    EXPECT_EQ(form.kinds[early].paid, "11,5");
    const OwnPlanFormCheck check = CheckOwnPlanForm(form);
    ASSERT_TRUE(check.Usable()) << FindingsText(check.findings);
    EXPECT_EQ(check.plan.Times(ShiftKind::kEarly), (ShiftKindTimes{360, 1110, 690}));
}

// What the window reports while typing: errors stop the saving, warnings
// (double shifts, gaps) do not.
TEST(OwnPlanForm, ChecksWhileTyping) {
    struct Case {
        const char* what;
        std::function<void(OwnPlanForm&)> edit;
        bool usable;
        const char* finding;  // part of the first finding; "" for none
    } cases[] = {
        {"new plan", [](OwnPlanForm&) {}, true, ""},
        {"bad letter", [](OwnPlanForm& f) { SetCycle(f, "FFXSNN"); }, false, "„X“"},
        {"letter of an unused kind", [](OwnPlanForm& f) { SetCycle(f, "FFTT--"); }, false, "Tag ist nicht gewählt"},
        {"empty cycle", [](OwnPlanForm& f) { SetCycle(f, ""); }, false, "leer"},
        {"offset beyond the cycle", [](OwnPlanForm& f) { SetCrewOffset(f, 1, "10"); }, false, "außerhalb des Zyklus"},
        {"offset no number", [](OwnPlanForm& f) { SetCrewOffset(f, 1, "zwei"); }, false, "Versatz von Schicht 2"},
        {"no crew", [](OwnPlanForm& f) { f.crews.clear(); }, false, "keine Schicht"},
        {"time no time", [](OwnPlanForm& f) { f.kinds[1].start = "25:00"; }, false, "Beginn der Schicht Spät"},
        {"paid beyond a day", [](OwnPlanForm& f) { f.kinds[2].paid = "25"; }, false, "bezahlten Stunden"},
        {"no name", [](OwnPlanForm& f) { f.name = "  "; }, false, "Name des Plans"},
        {"two crews on a shift", [](OwnPlanForm& f) { SetCrewOffset(f, 1, "0"); }, true, "mehrere Schichten zugleich"},
        {"gap", [](OwnPlanForm& f) { SetCrewCount(f, 2); }, true, "Hinweis"},
        {"cycle in lower case", [](OwnPlanForm& f) { SetCycle(f, "ffss nn----"); }, true, ""},
        {"cycle start no date", [](OwnPlanForm& f) { f.cycleStartError = "„Zyklusbeginn“: „31.02.2027“ ..."; },
         false, "Zyklusbeginn"},
        {"yearly target", [](OwnPlanForm& f) { f.yearlyTarget = "1982,76"; }, true, ""},
        {"yearly target no hours", [](OwnPlanForm& f) { f.yearlyTarget = "viel"; }, false, "Sollstunden"},
    };
    for (const Case& c : cases) {
        OwnPlanForm form = NewOwnPlanForm(kMonday);
        c.edit(form);
        const OwnPlanFormCheck check = CheckOwnPlanForm(form);
        EXPECT_EQ(check.Usable(), c.usable) << c.what << ": " << FindingsText(check.findings);
        const std::string text = FindingsText(check.findings);
        if (*c.finding == 0) EXPECT_TRUE(check.findings.empty()) << c.what << ": " << text;
        else EXPECT_NE(text.find(c.finding), std::string::npos) << c.what << ": " << text;
        // Errors are listed before warnings.
        for (std::size_t i = 1; i < check.findings.size(); ++i)
            EXPECT_FALSE(!check.findings[i - 1].error && check.findings[i].error) << c.what;
    }
}

TEST(OwnPlanForm, PreviewStartsOnTheMondayOfTheCycleStart) {
    const OwnShiftPlan plan = MakeOwnShiftPlan("FFSSNN----", kMonday + 2, 5);  // a Wednesday
    EXPECT_EQ(PreviewFirstDay(plan), kMonday);
    const OwnPlanPreview preview = PreviewOwnPlan(plan, PreviewFirstDay(plan));
    ASSERT_EQ(preview.crewLetters.size(), 5u);
    EXPECT_EQ(preview.crewLetters[0], "--FFSSNN----FFSSNN----FFSSNN");
    EXPECT_EQ(preview.crewLetters[1], "----FFSSNN----FFSSNN----FFSS");
    // Public holidays are marked, so a day nobody works has its reason:
    // Good Friday 2025 is 18 April, Easter Monday 21 April.
    OwnShiftPlan closed = MakeOwnShiftPlan("F", DayNumberOf(2025, 4, 14), 1);
    closed.workOnHolidays = false;
    const OwnPlanPreview easter = PreviewOwnPlan(closed, PreviewFirstDay(closed));
    ASSERT_EQ(easter.publicHoliday.size(), static_cast<std::size_t>(kOwnPlanPreviewDays));
    for (int i = 0; i < 14; ++i) {
        if (i == 6) continue;  // Easter Sunday: a Sunday anyway
        const bool holiday = i == 4 || i == 7;
        EXPECT_EQ(easter.publicHoliday[i], holiday) << i;
        EXPECT_EQ(easter.crewLetters[0][i], holiday ? '-' : 'F') << i;
    }
}

TEST(OwnPlanForm, TheYearlyTargetAndTheChooserLabelComeFromThePlan) {
    OwnShiftPlan plan = MakeOwnShiftPlan("FSN", kMonday, 3);
    plan.yearlyTargetHundredths = 170050;
    const OwnPlanForm form = OwnPlanFormOf(plan);
    EXPECT_EQ(form.yearlyTarget, "1700,50");
    EXPECT_EQ(CheckOwnPlanForm(form).plan, plan);

    struct Case { const char* name; const char* label; };
    const Case cases[] = {
        {"Conti Vier", "Conti Vier"},
        {"Zwölfer – Halle 2 Süd", "Zwölfer – Halle 2 S…"},  // 21 characters: cut to 20
        {"Zwölfer – Halle 2 Sü", "Zwölfer – Halle 2 Sü"},
    };
    for (const Case& c : cases) {
        plan.name = c.name;
        EXPECT_EQ(OwnPlanChooserLabel(&plan), c.label);
    }
    EXPECT_EQ(OwnPlanChooserLabel(nullptr), kOwnPlanLabel);
}

}  // namespace
}  // namespace sk
