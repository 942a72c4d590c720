#include "remind/ReminderWindowModel.h"

#include "base/TrimBlanks.h"
#include "shift/CalendarTypes.h"
#include "shift/OwnShiftPlanFile.h"

namespace sk {

ReminderForm ReminderFormOf(const ReminderSettings& s) {
    ReminderForm form;
    form.enabled = s.enabled;
    form.eveningBefore = s.eveningBefore;
    form.eveningTime = ClockText(s.eveningMinute);
    for (int i = 0; i < static_cast<int>(std::size(kBeforeStartChoices)); ++i)
        if (kBeforeStartChoices[i] == s.beforeStartMinutes) form.beforeStartChoice = i;
    form.yearlyNotes = s.yearlyNotes;
    form.yearlyTime = ClockText(s.yearlyMinute);
    return form;
}

std::optional<ReminderSettings> ReminderSettingsOf(const ReminderForm& form, std::string& error) {
    ReminderSettings s;
    s.enabled = form.enabled;
    s.eveningBefore = form.eveningBefore;
    s.yearlyNotes = form.yearlyNotes;
    const int choices = static_cast<int>(std::size(kBeforeStartChoices));
    s.beforeStartMinutes = kBeforeStartChoices[form.beforeStartChoice >= 0 && form.beforeStartChoice < choices
                                                   ? form.beforeStartChoice
                                                   : 0];
    if (!ParseClock(TrimBlanks(form.eveningTime), s.eveningMinute)) {
        error = "„Am Vortag um“ braucht eine Uhrzeit wie 20:00 (00:00 bis 23:59).";
        return std::nullopt;
    }
    if (!ParseClock(TrimBlanks(form.yearlyTime), s.yearlyMinute)) {
        error = "„Jahrestage um“ braucht eine Uhrzeit wie 08:00 (00:00 bis 23:59).";
        return std::nullopt;
    }
    return s;
}

std::string ReminderWhoseShiftText(const ReminderPlan& plan) {
    const bool own = plan.calendarType == kOwnPlanCalendarType;
    if (own && !plan.ownPlan) return "Es gibt noch keinen eigenen Schichtplan: nur Jahrestage werden gemeldet.";
    const std::optional<std::string> crew = ReminderCrewName(plan);
    if (!crew)
        return "Die Stammschicht passt nicht zur Schichtart (Programm - Stunden): nur Jahrestage werden gemeldet.";
    const std::string planName = own ? plan.ownPlan->name : CalendarTypeInfoOf(plan.calendarType).label;
    return "Schichten von: " + *crew + " (Stammschicht) in „" + planName + "“";
}

}  // namespace sk
