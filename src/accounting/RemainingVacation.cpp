#include "accounting/RemainingVacation.h"

#include <algorithm>
#include <optional>

#include "accounting/AccountCommon.h"
#include "base/FileIO.h"
#include "shift/ShiftComputation.h"

namespace sk {

namespace {

constexpr std::size_t kRecordSize = 8;

// Sign and decimal digits, blanks around; nothing for anything else.
std::optional<long long> ReadWholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        if (v < 1000000000000LL) v = v * 10 + (c - '0');  // saturates far beyond the limit
    }
    return negative ? -v : v;
}

}  // namespace

bool ParseVacationDays(std::string_view bytes, VacationDays& days) {
    const std::optional<std::string_view> record = LastRecordOfCalendarDay(bytes, kRecordSize);
    if (!record) return false;
    const RecordReader reader(*record);
    days.vacationCountStart = static_cast<std::int32_t>(reader.U32(0));
    // A damaged or hand-edited file is held to what the window can enter.
    days.vacationDaysLeft =
        std::clamp(static_cast<std::int32_t>(reader.U32(4)), -kVacationDaysLimit, kVacationDaysLimit);
    return true;
}

std::string FormatVacationDays(const VacationDays& days) {
    std::string out;
    AppendU32(out, static_cast<std::uint32_t>(days.vacationCountStart));
    AppendU32(out, static_cast<std::uint32_t>(days.vacationDaysLeft));
    return out;
}

bool ApplyNewYearRule(VacationDays& days, int currentYear) {
    const DayNumber newYear = FirstDayOfYear(currentYear);
    if (days.vacationCountStart >= newYear) return false;
    days.vacationCountStart = newYear;
    days.vacationDaysLeft = 0;
    return true;
}

std::optional<VacationDays> LoadVacationDays(const std::string& folder, VacationDays& days, int currentYear) {
    const auto bytes = ReadRegularFileInItsFolder(folder + kVacationDaysFileName, kMaxAccountFileBytes);
    const bool fromFile = bytes && ParseVacationDays(*bytes, days);
    const VacationDays before = days;
    if (!ApplyNewYearRule(days, currentYear)) return std::nullopt;
    // Told only once: when the reset cannot be stored, it is not told again and again.
    if (!SaveVacationDays(folder, days) || !fromFile) return std::nullopt;
    return before;
}

bool SaveVacationDays(const std::string& folder, const VacationDays& days) {
    return WriteFileAtomically(folder + kVacationDaysFileName, FormatVacationDays(days));
}

int CountVacationMarks(const std::vector<ShiftMark>& marks, int calendarType, const VacationDays& days, int homeCrew,
                       int currentYear, const VacationBlock& currentYearBlock, const OwnShiftPlan* ownPlan,
                       Region region) {
    const DayNumber yearStart = FirstDayOfYear(currentYear);
    const DayNumber nextYearStart = FirstDayOfYear(currentYear + 1);
    const AccountPlan plan{calendarType, &currentYearBlock, ownPlan, region};
    int count = 0;
    for (const ShiftMark& m : marks) {
        if (m.code != kMarkVacation || m.day < days.vacationCountStart) continue;
        if (m.day < yearStart || m.day >= nextYearStart) continue;
        if (IsCountedHolidayIn(plan, m.day, m.crew)) continue;
        if (HomeCrewWorksOn(plan, homeCrew, m.day)) ++count;
    }
    return count;
}

std::string RemainingVacationText(const VacationDays& days, int countedMarks) {
    // In 64 bits: a damaged file may hold any 32-bit value.
    std::string text = std::to_string(static_cast<long long>(days.vacationDaysLeft) - countedMarks);
    if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
    return text;
}

std::optional<VacationDays> LoadAccountFiles(const std::string& folder, AccountFiles& files, int currentYear) {
    std::optional<VacationDays> before = LoadVacationDays(folder, files.vacation, currentYear);
    LoadHours(folder, files.hours);
    return before;
}

std::string NewYearVacationText(int currentYear, int lastYear, long long lastYearsDaysLeft) {
    const std::string year = std::to_string(currentYear);
    return "Ein neues Jahr: Der Resturlaub wird ab dem 01.01." + year + " neu gezählt und beginnt bei 0.\r\n" +
           "Ende " + std::to_string(lastYear) + " waren es noch " + std::to_string(lastYearsDaysLeft) +
           (lastYearsDaysLeft == 1 || lastYearsDaysLeft == -1 ? " Tag" : " Tage") + " Resturlaub.\r\n" +
           "Den Urlaub für " + year +
           " bitte im Fenster „Urlaub eingeben“ eintragen (Klick auf das Resturlaubsfeld unten rechts oder "
           "„Prog.“ und „Urlaub“).";
}

AccountStatus ComputeAccountStatus(const std::string& folder, AccountFiles& files,
                                   const std::vector<ShiftMark>& marks, int calendarType, int currentYear,
                                   int vacationStartMonth, int vacationStartDay, const VacationOrderTables& tables,
                                   const OwnShiftPlan* ownPlan, Region region) {
    AccountStatus status;
    if (!HasAccounts(calendarType)) return status;
    if (calendarType == kOwnPlanCalendarType && ownPlan == nullptr) return status;
    const std::optional<VacationDays> before = LoadAccountFiles(folder, files, currentYear);
    if (before) {
        // Last year's count as the field showed it then, judged in its own year.
        const int lastYear = std::clamp(CivilOf(before->vacationCountStart).year, kFirstYear, currentYear - 1);
        const VacationBlock lastBlock = ComputeVacationBlock(lastYear, vacationStartMonth, vacationStartDay, tables);
        const int lastCounted =
            CountVacationMarks(marks, calendarType, *before, files.hours.homeCrew, lastYear, lastBlock, ownPlan);
        status.newYearText = NewYearVacationText(
            currentYear, lastYear, static_cast<long long>(before->vacationDaysLeft) - lastCounted);
    }
    // Vacation marks count in the current year only, so its block is theirs;
    // hours marks of any year are judged against their own year's block.
    const VacationBlock block = ComputeVacationBlock(currentYear, vacationStartMonth, vacationStartDay, tables);
    const int counted =
        CountVacationMarks(marks, calendarType, files.vacation, files.hours.homeCrew, currentYear, block, ownPlan, region);
    status.remainingVacation = RemainingVacationText(files.vacation, counted);
    HoursCountInput in;
    in.calendarType = calendarType;
    in.hours = files.hours;
    in.block = &block;
    in.blockOfYear = [&](int year) { return ComputeVacationBlock(year, vacationStartMonth, vacationStartDay, tables); };
    in.ownPlan = ownPlan;
    in.region = region;
    const float balance = HoursBalance(marks, in);
    status.hoursBalance = HoursBalanceText(balance, files.hours.hoursFormat);
    status.hoursColour = HoursBalanceColour(balance);
    return status;
}

std::string LimitVacationDaysField(std::string_view field) {
    const auto v = ReadWholeNumber(field);
    if (v && *v > kVacationDaysLimit) return "60";
    if (v && *v < -kVacationDaysLimit) return "-60";
    return std::string(field);
}

std::int32_t ParseVacationDaysField(std::string_view field) {
    const auto v = ReadWholeNumber(field);
    if (!v) return 0;
    return static_cast<std::int32_t>(std::clamp<long long>(*v, -kVacationDaysLimit, kVacationDaysLimit));
}

std::string VacationDaysFieldText(std::int32_t daysLeft) {
    return daysLeft == 0 ? std::string() : std::to_string(daysLeft);
}

DayNumber LimitToYear(DayNumber d, int year) {
    return std::clamp(d, FirstDayOfYear(year), FirstDayOfYear(year + 1) - 1);
}

}  // namespace sk
