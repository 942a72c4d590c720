#include "calendar/SchoolHolidayStore.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/FileIO.h"

namespace sk {

namespace {

// "YYYY-MM-DD" naming a real day of 1970-2037, as a DateCode.
bool ParseIsoDay(std::string_view s, std::int32_t& code) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lengths[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i) {
        for (std::size_t k = 0; k < lengths[i]; ++k) {
            const char c = s[starts[i] + k];
            if (c < '0' || c > '9') return false;
            parts[i] = parts[i] * 10 + (c - '0');
        }
    }
    const int y = parts[0], m = parts[1], d = parts[2];
    if (y < kFirstYear || y > kLastYear || m < 1 || m > 12 || d < 1 || d > MonthLength(y, m - 1)) return false;
    code = y * 10000 + m * 100 + d;
    return true;
}

std::string IsoOfCode(std::int32_t code) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", code / 10000, code / 100 % 100, code % 100);
    return buf;
}

}  // namespace

std::vector<SchoolHolidayPeriod> ParseStoredSchoolHolidays(std::string_view text, Region region) {
    // Lines that would overlap the built-in table or an earlier line are left out.
    const std::vector<SchoolHolidayPeriod> builtIn = SchoolHolidayCalendar(region).Periods();
    std::vector<SchoolHolidayPeriod> periods;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        SchoolHolidayPeriod p;
        if (line.size() < 22 || line[10] != ' ' || line[21] != ' ') continue;
        if (!ParseIsoDay(line.substr(0, 10), p.dates.first) || !ParseIsoDay(line.substr(11, 10), p.dates.last))
            continue;
        p.slot = SchoolHolidaySlotOfName(line.substr(22));
        if (p.slot < 0 || p.dates.last < p.dates.first) continue;
        p.year = SchoolHolidayBlockYear(p.slot, p.dates.first);
        auto clashes = [&](const SchoolHolidayPeriod& q) {
            return (q.year == p.year && q.slot == p.slot) ||
                   (q.dates.first <= p.dates.last && p.dates.first <= q.dates.last);
        };
        if (std::none_of(periods.begin(), periods.end(), clashes) &&
            std::none_of(builtIn.begin(), builtIn.end(), clashes))
            periods.push_back(p);
    }
    return periods;
}

std::string FormatStoredSchoolHolidays(const std::vector<SchoolHolidayPeriod>& periods) {
    std::string out;
    for (const SchoolHolidayPeriod& p : periods) {
        if (p.slot < 0 || p.slot >= kSchoolHolidayPairsPerYear) continue;
        out += IsoOfCode(p.dates.first) + ' ' + IsoOfCode(p.dates.last) + ' ' +
               std::string(kSchoolHolidaySlotNames[static_cast<std::size_t>(p.slot)]) + '\n';
    }
    return out;
}

std::vector<SchoolHolidayPeriod> LoadStoredSchoolHolidays(const std::string& folder, Region region) {
    const auto bytes = ReadRegularFileInItsFolder(JoinPath(folder, kSchoolHolidayFileName), kMaxSchoolHolidayFileBytes);
    return bytes ? ParseStoredSchoolHolidays(*bytes, region) : std::vector<SchoolHolidayPeriod>{};
}

bool SaveStoredSchoolHolidays(const std::string& folder, const std::vector<SchoolHolidayPeriod>& periods) {
    const std::string path = JoinPath(folder, kSchoolHolidayFileName);
    if (periods.empty()) return RemoveFileIfExists(path);
    return WriteFileAtomically(path, FormatStoredSchoolHolidays(periods));
}

SchoolHolidayCalendar SchoolHolidaysOfFolder(const std::string& folder, Region region) {
    SchoolHolidayCalendar calendar(region);
    calendar.FillEmptySlots(LoadStoredSchoolHolidays(folder, region));
    return calendar;
}

std::string ShippedSchoolHolidayFolder(const std::string& programPath) {
    namespace fs = std::filesystem;
    const fs::path programFolder = fs::path(programPath).parent_path();
    for (const char* relative : {kInstalledSchoolHolidayFolder, kBuildTreeSchoolHolidayFolder}) {
        std::error_code ec;
        const fs::path folder = fs::weakly_canonical(programFolder / relative, ec);
        if (!ec && fs::is_directory(folder, ec)) return folder.string();
    }
    return {};
}

std::string ShippedSchoolHolidayFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string{} : ShippedSchoolHolidayFolder(self.string());
}

}  // namespace sk
