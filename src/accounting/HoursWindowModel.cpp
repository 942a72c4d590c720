#include "accounting/HoursWindowModel.h"

namespace sk {

HoursForm OpenHoursForm(const std::string& folder, HoursRecord& record) {
    LoadHours(folder, record);
    HoursForm form;
    form.countStart = record.hoursCountStart;
    form.notation = record.hoursFormat == kMinutesNotation ? kMinutesNotation : kDecimalNotation;
    form.hoursText = HoursFieldText(record.hoursAtStart, form.notation);
    form.homeCrew = record.homeCrew;
    form.vacationBlockAsMinus = record.vacationBlockAsMinus;
    return form;
}

void ChooseNotation(HoursForm& form, int notation) {
    if (notation == form.notation) return;
    form.hoursText = notation == kMinutesNotation ? ConvertToMinutesNotation(form.hoursText)
                                                  : ConvertToDecimalNotation(form.hoursText);
    form.notation = notation;
}

std::optional<std::string> CheckHoursForm(const HoursForm& form) {
    return CheckNumberField(form.hoursText, kHoursFieldRule);
}

bool SaveHoursForm(const std::string& folder, HoursRecord& record, const HoursForm& form) {
    record.homeCrew = form.homeCrew;
    record.vacationBlockAsMinus = form.vacationBlockAsMinus;
    record.hoursFormat = form.notation == kMinutesNotation ? kMinutesNotation : kDecimalNotation;
    record.hoursAtStart = ParseBalanceField(form.hoursText);
    record.hoursCountStart = form.countStart;
    return SaveHours(folder, record);
}

}  // namespace sk
