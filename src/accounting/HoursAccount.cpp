#include "accounting/HoursAccount.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

#include "accounting/AccountCommon.h"
#include "base/FileIO.h"
#include "shift/ShiftComputation.h"

namespace sk {

namespace {

constexpr std::size_t kRecordSize = 11;

std::string Fixed2(double v) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
    return std::string(buf, r.ptr);
}

// A number as typed in the hours field: sign, digits, one of ",", "." or ":"
// as separator, digits.
std::optional<double> ReadFieldNumber(std::string_view field) {
    std::string text(TrimBlanks(field));
    for (char& c : text)
        if (c == ',' || c == ':') c = '.';
    std::string_view t = text;
    if (!t.empty() && t[0] == '+') t.remove_prefix(1);
    if (t.empty()) return std::nullopt;
    for (char c : t)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-')) return std::nullopt;
    double v = 0.0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return std::nullopt;
    return v;
}

float LimitHours(double v) {
    if (std::isnan(v)) return 0.0f;
    if (v > kHoursLimit) return kHoursLimit;
    if (v < -kHoursLimit) return -kHoursLimit;
    return static_cast<float>(v);
}

std::string WithSeparator(std::string text, int hoursFormat) {
    for (char& c : text)
        if (c == '.') c = hoursFormat == 1 ? ':' : ',';
    return text;
}

AccountPlan PlanOf(const HoursCountInput& in) { return AccountPlan{in.calendarType, in.block, in.ownPlan, in.region}; }

constexpr double kMinutesPerHour = 60.0;

// The plan a mark on day d is judged against: the vacation block of d's own
// year, as the calendar paints that day; `storage` holds that block.
AccountPlan PlanOnDay(const HoursCountInput& in, DayNumber d, VacationBlock& storage) {
    AccountPlan plan = PlanOf(in);
    const int year = CivilOf(d).year;
    if (in.blockOfYear && (in.block == nullptr || in.block->year != year)) {
        storage = in.blockOfYear(year);
        plan.block = &storage;
    }
    return plan;
}

}  // namespace

bool ParseHoursRecord(std::string_view bytes, HoursRecord& record) {
    const std::optional<std::string_view> r = LastRecordOfCalendarDay(bytes, kRecordSize);
    if (!r) return false;
    HoursRecord out;
    const RecordReader reader(*r);
    out.hoursCountStart = static_cast<DayNumber>(reader.U32(0));
    const std::uint32_t bits = reader.U32(4);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    out.hoursAtStart = LimitHours(value);
    out.hoursFormat = reader.U8(8) == 1 ? 1 : 0;
    const int crew = reader.U8(9);
    out.homeCrew = crew < kMaxOwnCrews ? crew : 0;
    out.vacationBlockAsMinus = reader.U8(10) != 0;
    record = out;
    return true;
}

std::string FormatHoursRecord(const HoursRecord& record) {
    std::string out;
    out.reserve(kRecordSize);
    AppendU32(out, static_cast<std::uint32_t>(record.hoursCountStart));
    std::uint32_t bits;
    std::memcpy(&bits, &record.hoursAtStart, sizeof bits);
    AppendU32(out, bits);
    out.push_back(static_cast<char>(record.hoursFormat));
    out.push_back(static_cast<char>(record.homeCrew));
    out.push_back(static_cast<char>(record.vacationBlockAsMinus ? 1 : 0));
    return out;
}

void LoadHours(const std::string& folder, HoursRecord& record) {
    const auto bytes = ReadRegularFileInItsFolder(folder + kHoursFileName, kMaxAccountFileBytes);
    if (bytes) ParseHoursRecord(*bytes, record);
}

bool SaveHours(const std::string& folder, const HoursRecord& record) {
    return WriteFileAtomically(folder + kHoursFileName, FormatHoursRecord(record));
}

namespace {

long long MinutesOfTimeOff(const std::vector<ShiftMark>& marks, const HoursCountInput& in) {
    long long minutes = 0;
    for (const ShiftMark& m : marks) {
        // Only the hours start bounds the count: the vacation record's start is
        // reset every new year and must not make earlier time off vanish.
        if (m.code != kMarkTimeOff || m.day < in.hours.hoursCountStart) continue;
        VacationBlock ownYear;
        const AccountPlan plan = PlanOnDay(in, m.day, ownYear);
        if (IsCountedHolidayIn(plan, m.day, m.crew)) continue;
        if (HomeCrewWorksOn(plan, in.hours.homeCrew, m.day))
            minutes += ShiftMinutesOn(plan, in.hours.homeCrew, m.day, m.crew);
    }
    return minutes;
}

long long MinutesOfVacationBlock(const HoursCountInput& in) {
    // The own plan has no vacation block.
    if (!in.hours.vacationBlockAsMinus || in.block == nullptr || in.calendarType == kOwnPlanCalendarType) return 0;
    const int crew = in.hours.homeCrew >= 0 && in.hours.homeCrew < kMaxCrews ? in.hours.homeCrew : 0;
    long long minutes = 0;
    for (DayNumber d = in.block->start; d < in.block->start + kVacationWindowDays; ++d) {
        const ShiftCode code = ComputeCrewShifts(in.calendarType, d, in.block).table.Code(crew);
        if (code == kShiftStandby && !IsCountedHoliday(d, 1, in.region)) minutes += ShiftHoursOn(d) * 60;
    }
    return minutes;
}

long long MinutesOfExtraWork(const std::vector<ShiftMark>& marks, const HoursCountInput& in) {
    long long minutes = 0;
    for (const ShiftMark& m : marks) {
        if (m.day < in.hours.hoursCountStart) continue;
        if (m.code != kMarkExtraWork && m.code != kMarkTraining) continue;
        VacationBlock ownYear;
        const AccountPlan plan = PlanOnDay(in, m.day, ownYear);
        if (!HomeCrewWorksOn(plan, in.hours.homeCrew, m.day))
            minutes += ShiftMinutesOn(plan, in.hours.homeCrew, m.day, m.crew);
    }
    return minutes;
}

}  // namespace

double HoursOfTimeOff(const std::vector<ShiftMark>& marks, const HoursCountInput& in) {
    return static_cast<double>(MinutesOfTimeOff(marks, in)) / kMinutesPerHour;
}

double HoursOfVacationBlock(const HoursCountInput& in) {
    return static_cast<double>(MinutesOfVacationBlock(in)) / kMinutesPerHour;
}

double HoursOfExtraWork(const std::vector<ShiftMark>& marks, const HoursCountInput& in) {
    return static_cast<double>(MinutesOfExtraWork(marks, in)) / kMinutesPerHour;
}

float HoursBalance(const std::vector<ShiftMark>& marks, const HoursCountInput& in) {
    // Minutes are summed exactly; only the last step is single precision.
    const long long totalMinutes =
        MinutesOfExtraWork(marks, in) - MinutesOfTimeOff(marks, in) - MinutesOfVacationBlock(in);
    if (in.hours.hoursFormat != 1)
        return in.hours.hoursAtStart + static_cast<float>(static_cast<double>(totalMinutes) / kMinutesPerHour);
    // In "Std:Min" the fraction holds minutes. Adding whole hours keeps that
    // reading as long as the sign stays; across zero the minutes must be
    // taken from the other side of the hour (7:30 - 8 h is -0:30, not -0:70),
    // so the sum is done in minutes.
    const double start = in.hours.hoursAtStart;
    const double magnitude = std::fabs(start);
    const long long wholeHours = static_cast<long long>(magnitude);
    const long long minutes = std::llround((magnitude - static_cast<double>(wholeHours)) * 100.0);
    const long long startMinutes = (start < 0 ? -1 : 1) * (wholeHours * 60 + minutes);
    const long long sum = startMinutes + totalMinutes;
    const long long absSum = sum < 0 ? -sum : sum;
    const double value = static_cast<double>(absSum / 60) + static_cast<double>(absSum % 60) / 100.0;
    return static_cast<float>(sum < 0 ? -value : value);
}

std::string HoursBalanceText(float value, int hoursFormat) {
    std::string text = Fixed2(value);
    if (text.size() < 7) text.insert(0, 7 - text.size(), ' ');
    if (hoursFormat == 0 || hoursFormat == 1) text = WithSeparator(text, hoursFormat);
    return text;
}

std::int32_t HoursBalanceColour(float value) {
    if (value < -40.0f) return 160;        // dark red
    if (value > 40.0f) return 160 * 256;   // dark green
    return 0;
}

std::string HoursFieldText(float value, int hoursFormat) {
    if (value == 0.0f) return std::string();
    return WithSeparator(Fixed2(value), hoursFormat);
}

std::string ConvertToMinutesNotation(std::string_view field) {
    const auto v = ReadFieldNumber(field);
    if (!v) return std::string(field);
    const double h = std::trunc(*v);
    const double f = *v - h;
    return WithSeparator(Fixed2(h + f / 100.0 * 60.0), 1);
}

std::string ConvertToDecimalNotation(std::string_view field) {
    const auto v = ReadFieldNumber(field);
    if (!v) return std::string(field);
    const double h = std::trunc(*v);
    const double f = *v - h;
    return WithSeparator(Fixed2(h + f / 60.0 * 100.0), 0);
}

float ParseBalanceField(std::string_view field) {
    const auto v = ReadFieldNumber(field);
    return v ? LimitHours(*v) : 0.0f;
}

}  // namespace sk
