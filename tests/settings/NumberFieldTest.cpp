#include "settings/NumberField.h"

#include <gtest/gtest.h>

#include "accounting/HoursWindowModel.h"
#include "accounting/VacationWindowModel.h"
#include "settings/SettingsDialogModel.h"

namespace sk {
namespace {

// What each number field of the dialogs takes, and the message for the rest.
TEST(NumberField, OnlyPlainNumbersInTheFieldsRangeAreTaken) {
    struct Case { const NumberFieldRule* rule; const char* text; bool ok; };
    const Case cases[] = {
        {&kVacationDaysRule, "12", true},
        {&kVacationDaysRule, " -60 ", true},
        {&kVacationDaysRule, "", true},  // empty is 0
        {&kVacationDaysRule, "12abc", false},
        {&kVacationDaysRule, "1e9", false},
        {&kVacationDaysRule, "61", false},
        {&kVacationDaysRule, "7,5", false},  // days are whole
        {&kVacationDaysRule, "-", false},
        {&kHoursFieldRule, "7:30", true},
        {&kHoursFieldRule, "-12,25", true},
        {&kHoursFieldRule, "600", true},
        {&kHoursFieldRule, "600,01", false},
        {&kHoursFieldRule, "abc", false},
        {&kHoursFieldRule, "1,2,3", false},
        {&kTargetHours38Rule, "1982,76", true},
        {&kTargetHours38Rule, "8784", true},
        {&kTargetHours38Rule, "1e40", false},
        {&kTargetHours38Rule, "inf", false},
        {&kTargetHours38Rule, "nan", false},
        {&kTargetHours38Rule, "-1", false},
        {&kTargetHours38Rule, "", false},
        {&kTargetHours38Rule, "abc", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(!CheckNumberField(c.text, *c.rule).has_value(), c.ok) << c.rule->name << ": '" << c.text << "'";
    }
    EXPECT_EQ(CheckNumberField("12abc", kVacationDaysRule).value_or(""),
              "Im Feld \"Tage\" ist nur eine ganze Zahl von -60 bis 60 erlaubt!");
    EXPECT_EQ(CheckNumberField("1e40", kTargetHours40Rule).value_or(""),
              "Im Feld \"Sollstunden bei einer 40 Stundenwoche\" ist nur eine Zahl von 0 bis 8784 erlaubt!");
}

}  // namespace
}  // namespace sk
