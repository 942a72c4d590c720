// Any bytes as "Urlaubstage.dat" and "Minusstunden.dat": the readers must not
// crash, must keep values (the start day among them) in their meaning, and a
// record they produced must be written and read back unchanged.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "accounting/HoursAccount.h"
#include "accounting/RemainingVacation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    sk::VacationDays days;
    if (sk::ParseVacationDays(bytes, days)) {
        sk::VacationDays back;
        if (!sk::IsCalendarDay(days.vacationCountStart)) std::abort();
        if (days.vacationDaysLeft < -sk::kVacationDaysLimit || days.vacationDaysLeft > sk::kVacationDaysLimit) std::abort();
        if (!sk::ParseVacationDays(sk::FormatVacationDays(days), back) || !(back == days)) std::abort();
        sk::RemainingVacationText(days, 3);
    }

    sk::HoursRecord hours;
    if (sk::ParseHoursRecord(bytes, hours)) {
        if (!sk::IsCalendarDay(hours.hoursCountStart)) std::abort();
        if (hours.homeCrew < 0 || hours.homeCrew >= sk::kMaxOwnCrews) std::abort();
        if (hours.hoursFormat != 0 && hours.hoursFormat != 1) std::abort();
        if (!(std::fabs(hours.hoursAtStart) <= sk::kHoursLimit)) std::abort();
        sk::HoursRecord back;
        if (!sk::ParseHoursRecord(sk::FormatHoursRecord(hours), back) || !(back == hours)) std::abort();
        sk::HoursBalanceText(hours.hoursAtStart, hours.hoursFormat);
    }

    // The same bytes as typed into the hours and days fields.
    sk::ConvertToMinutesNotation(bytes);
    sk::ConvertToDecimalNotation(bytes);
    if (!(std::fabs(sk::ParseBalanceField(bytes)) <= sk::kHoursLimit)) std::abort();
    const std::int32_t d = sk::ParseVacationDaysField(bytes);
    if (d < -60 || d > 60) std::abort();
    sk::LimitVacationDaysField(bytes);
    return 0;
}
