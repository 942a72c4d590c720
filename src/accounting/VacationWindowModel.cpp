#include "accounting/VacationWindowModel.h"

namespace sk {

VacationForm OpenVacationForm(const std::string& folder, AccountFiles& files, int currentYear) {
    LoadAccountFiles(folder, files, currentYear);
    VacationForm form;
    form.countStart = LimitToYear(files.vacation.vacationCountStart, currentYear);
    form.daysText = VacationDaysFieldText(files.vacation.vacationDaysLeft);
    form.homeCrew = files.hours.homeCrew;
    return form;
}

DayNumber VacationFormFirstDay(int currentYear) { return FirstDayOfYear(currentYear); }
DayNumber VacationFormLastDay(int currentYear) { return FirstDayOfYear(currentYear + 1) - 1; }

std::optional<std::string> CheckVacationForm(const VacationForm& form) {
    return CheckNumberField(form.daysText, kVacationDaysRule);
}

bool SaveVacationForm(const std::string& folder, AccountFiles& files, const VacationForm& form, int currentYear) {
    files.hours.homeCrew = form.homeCrew;
    files.vacation.vacationDaysLeft = ParseVacationDaysField(form.daysText);
    files.vacation.vacationCountStart = LimitToYear(form.countStart, currentYear);
    const bool vacationSaved = SaveVacationDays(folder, files.vacation);
    const bool hoursSaved = SaveHours(folder, files.hours);
    return vacationSaved && hoursSaved;
}

}  // namespace sk
