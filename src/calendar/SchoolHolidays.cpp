#include "calendar/SchoolHolidays.h"

#include <algorithm>

namespace sk {

// clang-format off
const std::array<std::int32_t, kSchoolHolidayEntries> SchoolHolidayTable = {
    20110307, 20110311, 20110418, 20110430, 20110614, 20110625, 20110730, 20110912,
    20111031, 20111105, 20111116, 20111116, 20111227, 20120105,
    20120220, 20120224, 20120402, 20120414, 20120529, 20120609, 20120801, 20120912,
    20121029, 20121103, 20121121, 20121121, 20121224, 20130105,
    20130211, 20130215, 20130325, 20130406, 20130521, 20130531, 20130731, 20130911,
    20131028, 20131031, 20131120, 20131120, 20131223, 20140104,
    20140303, 20140307, 20140414, 20140426, 20140610, 20140621, 20140730, 20140915,
    20141027, 20141031, 20141119, 20141119, 20141224, 20150105,
    20150216, 20150220, 20150330, 20150411, 20150526, 20150605, 20150801, 20150914,
    20151102, 20151107, 20151118, 20151118, 20151224, 20160105,
    20160208, 20160212, 20160321, 20160401, 20160517, 20160528, 20160730, 20160912,
    20161029, 20161106, 20161116, 20161116, 20161224, 20170108,
    20170225, 20170305, 20170408, 20170423, 20170603, 20170618, 20170729, 20170911,
    20171028, 20171105, 20171122, 20171122, 20171223, 20180107,
    20180210, 20180218, 20180324, 20180408, 20180519, 20180603, 20180728, 20180910,
    20181027, 20181104, 20181121, 20181121, 20181222, 20190106,
    20190302, 20190310, 20190413, 20190428, 20190608, 20190623, 20190727, 20190909,
    20191026, 20191103, 20191120, 20191120, 20191221, 20200106,
    20200222, 20200301, 20200404, 20200419, 20200530, 20200614, 20200725, 20200907,
    20201031, 20201108, 20201118, 20201118, 20201223, 20210110,
    20210213, 20210221, 20210327, 20210411, 20210522, 20210606, 20210730, 20210913,
    20211030, 20211107, 20211117, 20211117, 20211224, 20220109,
    20220226, 20220306, 20220409, 20220424, 20220604, 20220619, 20220730, 20220912,
    20221029, 20221106, 20221116, 20221116, 20221224, 20230108,
    20230218, 20230226, 20230401, 20230416, 20230527, 20230611, 20230729, 20230911,
    20231028, 20231105, 20231122, 20231122, 20231223, 20240107,
    20240210, 20240218, 20240323, 20240407, 20240518, 20240602, 20240729, 20240909,
    0, 0, 0, 0, 0, 0,
};
// clang-format on

namespace {

// Wide arithmetic: a hand-made context must not overflow into a match.
std::int64_t CodeOf(const DayContext& ctx) {
    return static_cast<std::int64_t>(ctx.year) * 10000 + (static_cast<std::int64_t>(ctx.month) + 1) * 100 + ctx.day;
}

}  // namespace

int SchoolHolidaySlotOfName(std::string_view name) {
    for (int slot = 0; slot < kSchoolHolidayPairsPerYear; ++slot)
        if (kSchoolHolidaySlotNames[static_cast<std::size_t>(slot)] == name) return slot;
    return -1;
}

int SchoolHolidayBlockYear(int slot, std::int32_t first) {
    const int year = first / 10000;
    const int month = first / 100 % 100;
    return slot == kSlotChristmas && month <= 2 ? year - 1 : year;
}

SchoolHolidayCalendar::SchoolHolidayCalendar(Region region) : SchoolHolidayCalendar() {
    region_ = region;
    if (!HasBuiltInSchoolHolidays(region)) {
        blocks_.clear();
        Index();
    }
}

std::string SchoolHolidayHeading(Region region) {
    return region == Region::kBY ? std::string(kSchoolHolidayHeading)
                                 : "Schulferien " + std::string(InfoOf(region).name);
}

namespace {

// "Unterrichtsfreier Tag 2025 Sachsen" -> "Unterrichtsfreier Tag": the list
// stands under the year and the state's heading already.
std::string ShortFurtherName(std::string_view name, Region region) {
    auto dropSuffix = [&name](std::string_view suffix) {
        if (name.size() > suffix.size() && name.ends_with(suffix) && name[name.size() - suffix.size() - 1] == ' ') {
            name.remove_suffix(suffix.size() + 1);
            return true;
        }
        return false;
    };
    dropSuffix(InfoOf(region).name);
    // A year or a school year ("2025", "2025/2026") at the end.
    const std::size_t blank = name.rfind(' ');
    if (blank != std::string_view::npos && blank + 5 <= name.size()) {
        const std::string_view last = name.substr(blank + 1);
        const bool year = std::all_of(last.begin(), last.end(), [](char c) { return (c >= '0' && c <= '9') || c == '/'; });
        if (year) name = name.substr(0, blank);
    }
    return std::string(name);
}

bool Overlaps(const HolidayDates& a, const HolidayDates& b) { return a.first <= b.last && b.first <= a.last; }

}  // namespace

void SchoolHolidayCalendar::AddShipped(const std::vector<ShippedSchoolHoliday>& shipped) {
    shipped_.insert(shipped_.end(), shipped.begin(), shipped.end());
    std::vector<ShippedSchoolHoliday> sorted = shipped;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.dates.first < b.dates.first; });
    std::vector<HolidayDates> held = byFirst_;
    for (const FurtherSchoolHoliday& f : further_) held.push_back(f.dates);
    const auto clashes = [&held](const HolidayDates& d) {
        return std::any_of(held.begin(), held.end(), [&d](const HolidayDates& h) { return Overlaps(h, d); });
    };
    // Slots that held dates before: a shipped period of such a slot yields.
    std::map<int, SchoolHolidayBlock> before = blocks_;
    for (const ShippedSchoolHoliday& p : sorted) {
        if (p.dates.Empty() || p.dates.last < p.dates.first || clashes(p.dates)) continue;
        if (p.slot >= 0 && p.slot < kSchoolHolidayPairsPerYear) {
            const int year = SchoolHolidayBlockYear(p.slot, p.dates.first);
            const auto slot = static_cast<std::size_t>(p.slot);
            const auto old = before.find(year);
            if (old != before.end() && !old->second[slot].Empty()) continue;
            HolidayDates& target = blocks_[year][slot];
            if (target.Empty()) {
                target = p.dates;
                held.push_back(p.dates);
                continue;
            }
        }
        further_.push_back({ShortFurtherName(p.name, region_), p.dates});
        held.push_back(p.dates);
    }
    std::stable_sort(further_.begin(), further_.end(),
                     [](const auto& a, const auto& b) { return a.dates.first < b.dates.first; });
    Index();
}

SchoolHolidayCalendar SchoolHolidayCalendar::WithStored(const std::vector<SchoolHolidayPeriod>& stored) const {
    SchoolHolidayCalendar calendar(region_);
    calendar.FillEmptySlots(stored);
    calendar.AddShipped(shipped_);
    return calendar;
}

std::vector<SchoolHolidayRow> SchoolHolidayCalendar::FurtherRows(int year) const {
    std::vector<SchoolHolidayRow> rows;
    for (const FurtherSchoolHoliday& f : further_) {
        if (f.dates.first / 10000 != year) continue;
        std::string dates = SchoolHolidayDateText(f.dates.first);
        if (f.dates.last != f.dates.first) dates += " - " + SchoolHolidayDateText(f.dates.last);
        rows.push_back({f.name, dates});
    }
    return rows;
}

SchoolHolidayCalendar::SchoolHolidayCalendar() {
    constexpr int kBlockEntries = kSchoolHolidayPairsPerYear * 2;
    for (int block = 0; block < kSchoolHolidayEntries; block += kBlockEntries) {
        SchoolHolidayBlock& b = blocks_[kFirstSchoolHolidayTableYear + block / kBlockEntries];
        for (int slot = 0; slot < kSchoolHolidayPairsPerYear; ++slot) {
            const auto i = static_cast<std::size_t>(block + 2 * slot);
            b[static_cast<std::size_t>(slot)] = {SchoolHolidayTable[i], SchoolHolidayTable[i + 1]};
        }
    }
    Index();
}

const SchoolHolidayCalendar& SchoolHolidayCalendar::BuiltIn() {
    static const SchoolHolidayCalendar kBuiltIn;
    return kBuiltIn;
}

std::vector<SchoolHolidayPeriod> SchoolHolidayCalendar::FillEmptySlots(
    const std::vector<SchoolHolidayPeriod>& periods) {
    std::vector<SchoolHolidayPeriod> refused;
    for (const SchoolHolidayPeriod& p : periods) {
        if (p.slot < 0 || p.slot >= kSchoolHolidayPairsPerYear || p.dates.Empty()) {
            refused.push_back(p);
            continue;
        }
        HolidayDates& slot = blocks_[p.year][static_cast<std::size_t>(p.slot)];
        if (!slot.Empty()) {
            refused.push_back(p);
            continue;
        }
        slot = p.dates;
    }
    Index();
    return refused;
}

bool SchoolHolidayCalendar::Contains(const DayContext& ctx) const {
    const std::int64_t code = CodeOf(ctx);
    const auto after = std::upper_bound(byFirst_.begin(), byFirst_.end(), code,
                                        [](std::int64_t c, const HolidayDates& d) { return c < d.first; });
    if (after == byFirst_.begin()) return false;
    return latestLast_[static_cast<std::size_t>(after - byFirst_.begin()) - 1] >= code;
}

void SchoolHolidayCalendar::Index() {
    byFirst_.clear();
    for (const auto& [year, block] : blocks_)
        for (const HolidayDates& d : block)
            if (!d.Empty()) byFirst_.push_back(d);
    for (const FurtherSchoolHoliday& f : further_) byFirst_.push_back(f.dates);
    std::sort(byFirst_.begin(), byFirst_.end(),
              [](const HolidayDates& a, const HolidayDates& b) { return a.first < b.first; });
    latestLast_.clear();
    for (const HolidayDates& d : byFirst_)
        latestLast_.push_back(latestLast_.empty() ? d.last : std::max(latestLast_.back(), d.last));
}

const SchoolHolidayBlock* SchoolHolidayCalendar::BlockOf(int year) const {
    const auto it = blocks_.find(year);
    return it == blocks_.end() ? nullptr : &it->second;
}

bool SchoolHolidayCalendar::IsBuiltIn(int year, int slot) {
    const int block = year - kFirstSchoolHolidayTableYear;
    if (block < 0 || block >= kSchoolHolidayYears || slot < 0 || slot >= kSchoolHolidayPairsPerYear) return false;
    const auto i = static_cast<std::size_t>((block * kSchoolHolidayPairsPerYear + slot) * 2);
    return !(SchoolHolidayTable[i] == 0 && SchoolHolidayTable[i + 1] == 0);
}

std::vector<SchoolHolidayPeriod> SchoolHolidayCalendar::Periods() const {
    std::vector<SchoolHolidayPeriod> out;
    for (const auto& [year, block] : blocks_) {
        for (int slot = 0; slot < kSchoolHolidayPairsPerYear; ++slot) {
            const HolidayDates& d = block[static_cast<std::size_t>(slot)];
            if (!d.Empty()) out.push_back({year, slot, d});
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.dates.first < b.dates.first; });
    return out;
}

std::optional<std::pair<SchoolHolidayPeriod, SchoolHolidayPeriod>> FirstOverlap(
    std::vector<SchoolHolidayPeriod> periods) {
    std::stable_sort(periods.begin(), periods.end(),
                     [](const auto& a, const auto& b) { return a.dates.first < b.dates.first; });
    // Compare with the period reaching furthest so far, not only the neighbour.
    std::size_t furthest = 0;
    for (std::size_t i = 1; i < periods.size(); ++i) {
        if (periods[furthest].dates.last >= periods[i].dates.first) return std::pair{periods[furthest], periods[i]};
        if (periods[i].dates.last > periods[furthest].dates.last) furthest = i;
    }
    return std::nullopt;
}

std::string SchoolHolidayPeriodLabel(const SchoolHolidayPeriod& period) {
    const bool known = period.slot >= 0 && period.slot < kSchoolHolidayPairsPerYear;
    return std::string(known ? kSchoolHolidaySlotNames[static_cast<std::size_t>(period.slot)] : "?") + " " +
           std::to_string(period.year);
}

std::string SchoolHolidayDateText(std::int32_t code) {
    if (code < 1) return "?";
    const int month = (code / 100) % 100;
    const int day = code % 100;
    if (month < 1 || month > 12) return "?";
    return ShortDateText(day, month - 1);
}

std::optional<std::array<SchoolHolidayRow, 6>> SchoolHolidayCalendar::Rows(int year) const {
    static constexpr int kListedSlots[6] = {kSlotWinter, kSlotEaster, kSlotWhitsun,
                                            kSlotSummer, kSlotAutumn, kSlotChristmas};
    const SchoolHolidayBlock* block = BlockOf(year);
    if (!block) return std::nullopt;
    std::array<SchoolHolidayRow, 6> rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto slot = static_cast<std::size_t>(kListedSlots[i]);
        const HolidayDates& d = (*block)[slot];
        rows[i] = {std::string(kSchoolHolidaySlotNames[slot]), SchoolHolidayDateText(d.first) + " - " + SchoolHolidayDateText(d.last)};
    }
    return rows;
}

YearRange SchoolHolidayYearRange(int currentYear) { return {currentYear - 2, currentYear + 10}; }

}  // namespace sk
