#include "shift/OwnShiftPlan.h"

#include <algorithm>
#include <cstdio>

#include "calendar/Holidays.h"
#include "base/Latin1.h"
#include "shift/ShiftComputation.h"

namespace sk {

namespace {

constexpr int kHour = 60;
constexpr std::array<ShiftKindTimes, kShiftKindCount> kDefaultTimes = {{
    {6 * kHour, 14 * kHour, 8 * kHour},
    {14 * kHour, 22 * kHour, 8 * kHour},
    {22 * kHour, 6 * kHour, 8 * kHour},
    {8 * kHour, 16 * kHour, 8 * kHour},
}};
constexpr std::array<ShiftCode, kShiftKindCount> kKindCodes = {kShiftEarly, kShiftLate, kShiftNight, kShiftDay};
// Mark columns of the kinds: Früh, Spät, Nacht as in the built-in plans; the
// day shift takes the column the built-in plans keep for the standby crew.
constexpr std::array<int, kShiftKindCount> kKindMarkColumns = {2, 3, 4, 1};

std::string CrewList(const OwnShiftPlan& plan, const std::vector<int>& crews) {
    std::string text;
    for (std::size_t i = 0; i < crews.size(); ++i) {
        if (i > 0) text += i + 1 == crews.size() ? " und " : ", ";
        text += plan.crews[crews[i]].name;
    }
    return text;
}

// The kinds' letters in use, for messages: "F, S, N und -".
std::string AllowedLetters(const OwnShiftPlan& plan) {
    std::string text;
    for (int k = 0; k < kShiftKindCount; ++k) {
        if (!plan.kindUsed[k]) continue;
        text += kShiftKindLetters[k];
        text += ", ";
    }
    if (text.empty()) return "-";
    text.resize(text.size() - 2);
    return text + " und -";
}

// A name the file can hold on one line: valid UTF-8 without control
// characters or blanks at its ends, 1 to maxCharacters characters.
bool IsUsableName(std::string_view name, int maxCharacters) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ') return false;
    for (std::string_view rest = name; !rest.empty();) {
        const std::size_t n = ValidUtf8SequenceLength(rest);
        if (n == 0) return false;
        rest.remove_prefix(n);
    }
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F) return false;
    return Utf8CharacterCount(name) <= static_cast<std::size_t>(maxCharacters);
}

}  // namespace

int ShiftLengthMinutes(int startMinute, int endMinute) {
    const int length = endMinute - startMinute;
    return length > 0 ? length : length + kMinutesPerDay;
}

ShiftKindTimes DefaultShiftKindTimes(ShiftKind kind) { return kDefaultTimes[static_cast<int>(kind)]; }

int DefaultCrewOffset(int crew, int crewCount, int cycleLength) {
    return crewCount > 0 ? crew * cycleLength / crewCount : 0;
}

OwnShiftPlan MakeOwnShiftPlan(std::string_view cycle, DayNumber cycleStart, int crewCount) {
    OwnShiftPlan plan;
    plan.cycle = std::string(cycle);
    plan.cycleStart = cycleStart;
    bool any = false;
    for (int k = 0; k < kShiftKindCount; ++k) {
        plan.kindUsed[k] = cycle.find(kShiftKindLetters[k]) != std::string_view::npos;
        any = any || plan.kindUsed[k];
    }
    if (!any) plan.kindUsed = {true, true, true, false};
    for (int k = 0; k < crewCount && k < kMaxOwnCrews; ++k)
        plan.crews.push_back({kOwnCrewNames[k], kOwnCrewColours[k],
                              DefaultCrewOffset(k, crewCount, static_cast<int>(cycle.size()))});
    return plan;
}

int KindOfLetter(char letter) {
    for (int k = 0; k < kShiftKindCount; ++k)
        if (kShiftKindLetters[k] == letter) return k;
    return -1;
}

ShiftCode ShiftCodeOfLetter(char letter) {
    const int kind = KindOfLetter(letter);
    return kind < 0 ? kShiftOff : kKindCodes[kind];
}

int KindOfShiftCode(ShiftCode code) {
    for (int k = 0; k < kShiftKindCount; ++k)
        if (kKindCodes[k] == code) return k;
    return -1;
}

ShiftCode ShiftCodeOfKind(ShiftKind kind) { return kKindCodes[static_cast<int>(kind)]; }

int CyclePositionOf(const OwnShiftPlan& plan, int crew, DayNumber d) {
    const std::int64_t shifted = static_cast<std::int64_t>(d) - plan.cycleStart - plan.crews[crew].offset;
    return PositiveMod(shifted, plan.CycleLength());
}

char CycleLetterOf(const OwnShiftPlan& plan, int crew, DayNumber d) {
    return plan.cycle[CyclePositionOf(plan, crew, d)];
}

bool IsOwnPlanHolidayOff(const OwnShiftPlan& plan, DayNumber d, Region region) {
    return !plan.workOnHolidays && IsPublicHoliday(MakeDayContext(d), region);
}

std::vector<int> OwnPlanDay::CrewsOn(ShiftKind kind) const {
    std::vector<int> crews;
    const ShiftCode code = ShiftCodeOfKind(kind);
    for (int k = 0; k < crewCount; ++k)
        if (codes[k] == code) crews.push_back(k);
    return crews;
}

int OwnPlanDay::FirstCrewOn(ShiftKind kind) const {
    const ShiftCode code = ShiftCodeOfKind(kind);
    for (int k = 0; k < crewCount; ++k)
        if (codes[k] == code) return k;
    return -1;
}

OwnPlanDay OwnPlanDayOf(const OwnShiftPlan& plan, DayNumber d, Region region) {
    OwnPlanDay day;
    if (plan.cycle.empty()) return day;
    day.crewCount = std::min(plan.CrewCount(), kMaxOwnCrews);
    day.holidayOff = IsOwnPlanHolidayOff(plan, d, region);
    if (day.holidayOff) return day;
    for (int k = 0; k < day.crewCount; ++k) day.codes[k] = ShiftCodeOfLetter(CycleLetterOf(plan, k, d));
    return day;
}

ShiftCode OwnPlanShiftOf(const OwnShiftPlan& plan, int crew, DayNumber d, Region region) {
    if (plan.cycle.empty() || crew < 0 || crew >= plan.CrewCount()) return kShiftOff;
    if (IsOwnPlanHolidayOff(plan, d, region)) return kShiftOff;
    return ShiftCodeOfLetter(CycleLetterOf(plan, crew, d));
}

int OwnPlanPaidMinutes(const OwnShiftPlan& plan, int crew, DayNumber d, Region region) {
    const int kind = KindOfShiftCode(OwnPlanShiftOf(plan, crew, d, region));
    return kind < 0 ? 0 : plan.kindTimes[kind].paidMinutes;
}

std::vector<OwnPlanSubColumn> OwnPlanSubColumns(const OwnShiftPlan& plan) {
    std::vector<OwnPlanSubColumn> columns;
    for (int k = 0; k < kShiftKindCount; ++k)
        if (plan.kindUsed[k]) columns.push_back({static_cast<ShiftKind>(k), kKindMarkColumns[k]});
    return columns;
}

OwnPlanRow OwnPlanRowOf(const OwnShiftPlan& plan, DayNumber d, Region region) {
    OwnPlanRow row;
    const OwnPlanDay day = OwnPlanDayOf(plan, d, region);
    row.holidayOff = day.holidayOff;
    for (const OwnPlanSubColumn& c : OwnPlanSubColumns(plan)) {
        OwnPlanCell& cell = row.cells[row.columnCount++];
        cell.kind = c.kind;
        cell.markColumn = c.markColumn;
        const ShiftCode code = ShiftCodeOfKind(c.kind);
        for (int k = 0; k < day.crewCount; ++k) {
            if (day.Code(k) != code) continue;
            if (cell.crewCount++ == 0) {
                cell.crew = k;
                cell.colour = plan.crews[k].colour;
            }
        }
    }
    return row;
}

char ShiftLetterOf(ShiftCode code) {
    const int kind = KindOfShiftCode(code);
    return kind < 0 ? kOffLetter : kShiftKindLetters[kind];
}

int MarkColumnOfKind(ShiftKind kind) { return kKindMarkColumns[static_cast<int>(kind)]; }

int KindOfMarkColumn(int markColumn) {
    for (int k = 0; k < kShiftKindCount; ++k)
        if (kKindMarkColumns[k] == markColumn) return k;
    return -1;
}

std::string ClockText(int minute) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", (minute / kHour) % 24, minute % kHour);
    return buf;
}

std::string ShiftTimesText(const ShiftKindTimes& times) {
    auto legend = [](int minute) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%d.%02d", (minute / kHour) % 24, minute % kHour);
        return std::string(buf);
    };
    return legend(times.startMinute) + " - " + legend(times.endMinute) + " Uhr";
}

std::string OwnPlanChooserLabel(const OwnShiftPlan* plan) {
    if (plan == nullptr || plan->name.empty()) return kOwnPlanLabel;
    std::string_view rest = plan->name;
    std::string label;
    for (int n = 0; !rest.empty(); ++n) {
        const std::size_t length = std::max<std::size_t>(ValidUtf8SequenceLength(rest), 1);
        if (n == kChooserLabelCharacters - 1 && Utf8CharacterCount(rest) > 1) return label + "…";
        label.append(rest.substr(0, length));
        rest.remove_prefix(std::min(length, rest.size()));
    }
    return label;
}

std::string NormalisedCycleText(std::string_view text) {
    std::string cycle;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        cycle += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return cycle;
}

bool IsValidCycleText(std::string_view cycle, std::string& error) {
    if (cycle.empty()) {
        error = "Der Zyklus ist leer.";
        return false;
    }
    if (cycle.size() > static_cast<std::size_t>(kMaxCycleDays)) {
        error = "Der Zyklus ist " + std::to_string(cycle.size()) + " Tage lang; erlaubt sind höchstens " +
                std::to_string(kMaxCycleDays) + ".";
        return false;
    }
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        const char c = cycle[i];
        if (c == kOffLetter || KindOfLetter(c) >= 0) continue;
        const unsigned char u = static_cast<unsigned char>(c);
        const std::string shown = u >= 0x20 && u < 0x7F ? "„" + std::string(1, c) + "“" : "ein Sonderzeichen";
        error = "Der Zyklus enthält an Stelle " + std::to_string(i + 1) + " " + shown +
                "; erlaubt sind F, S, N, T und - (frei).";
        return false;
    }
    return true;
}

std::vector<PlanFinding> CheckOwnShiftPlan(const OwnShiftPlan& plan) {
    std::vector<PlanFinding> findings;
    auto error = [&findings](std::string text) { findings.push_back({true, std::move(text)}); };

    std::string cycleError;
    const bool cycleOk = IsValidCycleText(plan.cycle, cycleError);
    if (!cycleOk) error(cycleError);
    if (cycleOk) {
        for (std::size_t i = 0; i < plan.cycle.size(); ++i) {
            const int kind = KindOfLetter(plan.cycle[i]);
            if (kind >= 0 && !plan.kindUsed[kind]) {
                error("Der Zyklus enthält an Stelle " + std::to_string(i + 1) + " „" + std::string(1, plan.cycle[i]) +
                      "“, aber die Schicht " + kShiftKindNames[kind] + " ist nicht gewählt (erlaubt sind " +
                      AllowedLetters(plan) + ").");
                break;
            }
        }
    }
    if (!IsUsableName(plan.name, kMaxPlanNameCharacters))
        error("Der Name des Plans muss 1 bis " + std::to_string(kMaxPlanNameCharacters) +
              " Zeichen lang sein, ohne Zeilenumbruch und ohne Leerzeichen am Anfang oder Ende.");
    if (plan.kindUsed == std::array<bool, kShiftKindCount>{})
        error("Der Plan verwendet keine der Schichten Früh, Spät, Nacht und Tag.");
    if (plan.crews.empty()) error("Der Plan hat keine Schicht; nötig ist mindestens eine.");
    if (plan.CrewCount() > kMaxOwnCrews)
        error("Der Plan hat " + std::to_string(plan.CrewCount()) + " Schichten; erlaubt sind höchstens " +
              std::to_string(kMaxOwnCrews) + ".");
    if (plan.cycleStart < kFirstDay || plan.cycleStart > kLastDay)
        error("Der Zyklusbeginn liegt außerhalb von 1970 bis 2037.");
    for (int k = 0; k < plan.CrewCount(); ++k) {
        const OwnCrew& c = plan.crews[k];
        const std::string who = "Schicht " + std::to_string(k + 1);
        if (!IsUsableName(c.name, kMaxCrewNameCharacters))
            error("Der Name von " + who + " muss 1 bis " + std::to_string(kMaxCrewNameCharacters) +
                  " Zeichen lang sein, ohne Zeilenumbruch und ohne Leerzeichen am Anfang oder Ende.");
        if (cycleOk && (c.offset < 0 || c.offset >= plan.CycleLength()))
            error("Der Versatz " + std::to_string(c.offset) + " von " + who + " liegt außerhalb des Zyklus (0 bis " +
                  std::to_string(plan.CycleLength() - 1) + ").");
        if (c.colour < 0 || c.colour > 0xFFFFFF) error("Die Farbe von " + who + " ist keine Farbe.");
    }
    for (int k = 0; k < kShiftKindCount; ++k) {
        if (!plan.kindUsed[k]) continue;
        const ShiftKindTimes& t = plan.kindTimes[k];
        if (t.startMinute < 0 || t.startMinute >= kMinutesPerDay || t.endMinute < 0 || t.endMinute >= kMinutesPerDay)
            error(std::string("Die Zeiten der Schicht ") + kShiftKindNames[k] + " sind keine Uhrzeiten.");
        if (t.paidMinutes < 0 || t.paidMinutes > kMinutesPerDay)
            error(std::string("Die bezahlten Stunden der Schicht ") + kShiftKindNames[k] +
                  " liegen außerhalb von 0 bis 24.");
    }
    if (HasPlanErrors(findings)) return findings;

    // The crews together repeat with the cycle: one pass over it finds every
    // double shift and every gap. Only the first of each kind is named.
    const int length = plan.CycleLength();
    for (int kind = 0; kind < kShiftKindCount; ++kind) {
        if (!plan.kindUsed[kind]) continue;
        int doubles = 0, gaps = 0, firstDouble = -1, firstGap = -1;
        std::vector<int> doubleCrews;
        for (int p = 0; p < length; ++p) {
            std::vector<int> on;
            for (int k = 0; k < plan.CrewCount(); ++k) {
                const char letter = plan.cycle[PositiveMod(static_cast<std::int64_t>(p) - plan.crews[k].offset, length)];
                if (KindOfLetter(letter) == kind) on.push_back(k);
            }
            if (on.size() > 1 && doubles++ == 0) {
                firstDouble = p;
                doubleCrews = on;
            }
            if (on.empty() && gaps++ == 0) firstGap = p;
        }
        const std::string shift = std::string(kShiftKindEventNames[kind]);
        if (doubles > 0)
            findings.push_back({false, "An " + std::to_string(doubles) + " von " + std::to_string(length) +
                                           " Tagen des Zyklus haben mehrere Schichten zugleich " + shift + " (zuerst am " +
                                           std::to_string(firstDouble + 1) + ". Tag: " +
                                           CrewList(plan, doubleCrews) + ")."});
        if (gaps > 0)
            findings.push_back({false, "An " + std::to_string(gaps) + " von " + std::to_string(length) +
                                           " Tagen des Zyklus ist die " + shift + " nicht besetzt (zuerst am " +
                                           std::to_string(firstGap + 1) + ". Tag)."});
    }
    return findings;
}

bool HasPlanErrors(const std::vector<PlanFinding>& findings) {
    for (const PlanFinding& f : findings)
        if (f.error) return true;
    return false;
}

std::string FirstPlanError(const std::vector<PlanFinding>& findings) {
    for (const PlanFinding& f : findings)
        if (f.error) return f.text;
    return {};
}

}  // namespace sk
