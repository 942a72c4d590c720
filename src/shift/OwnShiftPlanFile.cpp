#include "shift/OwnShiftPlanFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

#include "base/Latin1.h"
#include "base/FileIO.h"

namespace sk {

namespace {

// Keys of the file. Crew keys are "Schicht <n> " + one of the crew suffixes.
constexpr const char* kKeyVersion = "Version";
constexpr const char* kKeyName = "Name";
constexpr const char* kKeyKinds = "Verwendete Schichtarten";
constexpr const char* kSuffixStart = " Beginn";
constexpr const char* kSuffixEnd = " Ende";
constexpr const char* kSuffixPaid = " bezahlt";
constexpr const char* kKeyCycle = "Zyklus";
constexpr const char* kKeyCycleStart = "Zyklusbeginn";
constexpr const char* kKeyWorkOnHolidays = "An Feiertagen arbeiten";
constexpr const char* kKeyCountedHolidays = "Feiertage für Konten";
constexpr const char* kKeyCrewCount = "Anzahl Schichten";
constexpr const char* kKeyYearlyTarget = "Sollstunden im Jahr";
constexpr const char* kCrewPrefix = "Schicht ";
constexpr const char* kSuffixCrewName = " Name";
constexpr const char* kSuffixColour = " Farbe";
constexpr const char* kSuffixOffset = " Versatz";

constexpr const char* kYes = "ja";
constexpr const char* kNo = "nein";
constexpr std::array<const char*, 3> kHolidayRuleNames = {"Standard", "gesetzlich", "keine"};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A value in a message; a long one is cut so the message stays one readable line.
std::string Quoted(std::string_view s) { return QuotedPiece(s); }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string QuotedPath(std::string_view path) { return QuotedPathPiece(path); }

std::string AsciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool IsValidUtf8(std::string_view s) {
    while (!s.empty()) {
        const std::size_t n = ValidUtf8SequenceLength(s);
        if (n == 0) return false;
        s.remove_prefix(n);
    }
    return true;
}

bool HasControlCharacter(std::string_view s) {
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F) return true;
    return false;
}

bool ParseDigits(std::string_view s, int maxDigits, int& value) {
    if (s.empty() || static_cast<int>(s.size()) > maxDigits) return false;
    value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool ParseIsoDay(std::string_view s, DayNumber& day) {
    int y = 0, m = 0, d = 0;
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    if (!ParseDigits(s.substr(0, 4), 4, y) || !ParseDigits(s.substr(5, 2), 2, m) || !ParseDigits(s.substr(8, 2), 2, d))
        return false;
    if (y < kFirstYear || y > kLastYear || m < 1 || m > 12 || d < 1 || d > MonthLength(y, m - 1)) return false;
    day = DayNumberOf(y, m, d);
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "#RRGGBB" as red + green*256 + blue*65536.
bool ParseColour(std::string_view s, std::int32_t& colour) {
    if (s.size() != 7 || s[0] != '#') return false;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        const int hi = HexDigit(s[1 + 2 * i]);
        const int lo = HexDigit(s[2 + 2 * i]);
        if (hi < 0 || lo < 0) return false;
        rgb[i] = hi * 16 + lo;
    }
    colour = rgb[0] + rgb[1] * 256 + rgb[2] * 65536;
    return true;
}

std::string ColourText(std::int32_t colour) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return buf;
}

std::string CrewKey(int crew, const char* suffix) { return kCrewPrefix + std::to_string(crew + 1) + suffix; }

struct Line {
    int number;
    std::string value;
    std::string text;  // the whole line, for showing it
};

class PlanReader {
public:
    explicit PlanReader(std::map<std::string, Line> lines) : lines_(std::move(lines)) {}

    // The value of a required key; records the error when it is missing.
    const Line* Need(const std::string& key) {
        const auto it = lines_.find(AsciiLower(key));
        if (it == lines_.end()) {
            Fail("Es fehlt die Angabe " + Quoted(key) + ".");
            return nullptr;
        }
        used_.push_back(it->first);
        return &it->second;
    }
    const Line* Optional(const std::string& key) {
        const auto it = lines_.find(AsciiLower(key));
        if (it == lines_.end()) return nullptr;
        used_.push_back(it->first);
        return &it->second;
    }
    void Fail(std::string message) {
        if (error_.empty()) error_ = std::move(message);
    }
    void FailAt(const Line& line, const std::string& message) {
        if (!error_.empty()) return;
        Fail("Zeile " + std::to_string(line.number) + ": " + message);
        errorLine_ = &line;
    }
    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }
    const Line* ErrorLine() const { return errorLine_; }

    // The first line whose key nothing asked for.
    const Line* FirstUnused(std::string& key) const {
        const Line* first = nullptr;
        for (const auto& [k, line] : lines_) {
            if (std::find(used_.begin(), used_.end(), k) != used_.end()) continue;
            if (first == nullptr || line.number < first->number) {
                first = &line;
                key = k;
            }
        }
        return first;
    }

private:
    std::map<std::string, Line> lines_;
    std::vector<std::string> used_;
    std::string error_;
    const Line* errorLine_ = nullptr;
};

OwnPlanReadResult Refused(std::string error) {
    OwnPlanReadResult r;
    r.error = std::move(error);
    return r;
}

// A damaged file: the error, the bad line, and the plan as far as it could
// be read; a plan without crews gets those of a new plan, so it can be edited.
OwnPlanReadResult Damaged(OwnShiftPlan plan, std::string error, int badLine, std::string badLineText) {
    if (plan.crews.empty()) {
        const int length = std::max(plan.CycleLength(), 1);
        for (int k = 0; k < kDefaultOwnCrews; ++k)
            plan.crews.push_back(
                OwnCrew{kOwnCrewNames[k], kOwnCrewColours[k], DefaultCrewOffset(k, kDefaultOwnCrews, length)});
    }
    OwnPlanReadResult r = Refused(std::move(error));
    r.readable = std::move(plan);
    r.badLine = badLine;
    r.badLineText = std::move(badLineText);
    return r;
}

void ReadKindTimes(PlanReader& in, OwnShiftPlan& plan, int kind) {
    const std::string base = kShiftKindNames[kind];
    // Times of kinds the plan does not use are kept when present, so a kind
    // switched off and on again keeps them.
    auto get = [&](const char* suffix) {
        return plan.kindUsed[kind] ? in.Need(base + suffix) : in.Optional(base + suffix);
    };
    const Line* start = get(kSuffixStart);
    const Line* end = get(kSuffixEnd);
    const Line* paid = get(kSuffixPaid);
    ShiftKindTimes& t = plan.kindTimes[kind];
    const std::string clockHint = " ist keine Uhrzeit (erwartet SS:MM von 00:00 bis 23:59).";
    if (start && !ParseClock(start->value, t.startMinute)) in.FailAt(*start, Quoted(start->value) + clockHint);
    if (end && !ParseClock(end->value, t.endMinute)) in.FailAt(*end, Quoted(end->value) + clockHint);
    if (paid) {
        if (!ParsePaidHours(paid->value, t.paidMinutes))
            in.FailAt(*paid, Quoted(paid->value) + " sind keine bezahlten Stunden (erwartet 0 bis 24, z. B. 8 oder 7:30).");
    } else if (start && end) {
        t.paidMinutes = ShiftLengthMinutes(t.startMinute, t.endMinute);
    }
}

}  // namespace

// "H:MM" or "HH:MM", 00:00 to 23:59.
bool ParseClock(std::string_view s, int& minute) {
    const std::size_t colon = s.find(':');
    if (colon == std::string_view::npos || s.size() - colon != 3) return false;
    int h = 0, m = 0;
    if (!ParseDigits(s.substr(0, colon), 2, h) || !ParseDigits(s.substr(colon + 1), 2, m)) return false;
    if (h > 23 || m > 59) return false;
    minute = h * 60 + m;
    return true;
}

// Paid time: "8", "7:30", "7,5" or "7.5" hours, 0 to 24.
bool ParsePaidHours(std::string_view s, int& minutes) {
    int h = 0;
    if (const std::size_t colon = s.find(':'); colon != std::string_view::npos) {
        int m = 0;
        if (s.size() - colon != 3 || !ParseDigits(s.substr(0, colon), 2, h) || !ParseDigits(s.substr(colon + 1), 2, m) ||
            m > 59)
            return false;
        minutes = h * 60 + m;
    } else if (const std::size_t sep = s.find_first_of(",."); sep != std::string_view::npos) {
        int fraction = 0;
        const std::string_view decimals = s.substr(sep + 1);
        if (!ParseDigits(s.substr(0, sep), 2, h) || !ParseDigits(decimals, 2, fraction)) return false;
        const int hundredths = decimals.size() == 1 ? fraction * 10 : fraction;
        minutes = h * 60 + static_cast<int>(std::lround(hundredths * 60 / 100.0));
    } else {
        if (!ParseDigits(s, 2, h)) return false;
        minutes = h * 60;
    }
    return minutes <= kMinutesPerDay;
}

std::string PaidHoursText(int minutes) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d", minutes / 60, minutes % 60);
    return buf;
}

bool ParseYearlyTarget(std::string_view s, int& hundredths) {
    s = Trim(s);
    if (s.empty()) {
        hundredths = 0;
        return true;
    }
    int whole = 0, fraction = 0;
    const std::size_t sep = s.find_first_of(",.");
    const std::string_view decimals = sep == std::string_view::npos ? std::string_view{} : s.substr(sep + 1);
    if (!ParseDigits(s.substr(0, sep), 4, whole)) return false;
    if (sep != std::string_view::npos && !ParseDigits(decimals, 2, fraction)) return false;
    if (decimals.size() == 1) fraction *= 10;
    hundredths = whole * 100 + fraction;
    return hundredths > 0 && hundredths <= kMaxYearlyTargetHundredths;
}

std::string YearlyTargetText(int hundredths) {
    if (hundredths <= 0) return "";
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d,%02d", hundredths / 100, hundredths % 100);
    return buf;
}


OwnPlanReadResult ParseOwnShiftPlan(std::string_view bytes) {
    if (bytes.size() > kMaxOwnPlanFileBytes) return Refused("Die Datei ist zu groß für einen Schichtplan.");
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());

    std::map<std::string, Line> lines;
    int number = 0;
    // The first line that is no "key = value" of its own; the file is read on
    // without it, so a damaged plan can be shown with what it still says.
    std::string lineError;
    int badLine = 0;
    std::string badLineText;
    auto refuseLine = [&](int at, std::string_view raw, std::string message) {
        if (!lineError.empty()) return;
        lineError = std::move(message);
        badLine = at;
        badLineText = IsValidUtf8(raw) ? std::string(raw.substr(0, 200)) : std::string();
    };
    while (!bytes.empty()) {
        ++number;
        std::size_t end = bytes.find('\n');
        std::string_view raw = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        const std::string where = "Zeile " + std::to_string(number) + ": ";
        if (!IsValidUtf8(raw)) {
            refuseLine(number, raw, where + "Der Text ist kein gültiges UTF-8.");
            continue;
        }
        const std::string_view text = Trim(raw);
        if (text.empty() || text[0] == '#' || text[0] == ';') continue;
        const std::size_t eq = text.find('=');
        if (eq == std::string_view::npos) {
            // Not quoted: the file may be anything but a plan (a password file named by mistake).
            refuseLine(number, raw, where + "Erwartet wird „Schlüssel = Wert“.");
            continue;
        }
        const std::string_view key = Trim(text.substr(0, eq));
        const std::string_view value = Trim(text.substr(eq + 1));
        if (HasControlCharacter(key) || HasControlCharacter(value)) {
            refuseLine(number, {}, where + "Die Zeile enthält Steuerzeichen.");
            continue;
        }
        const std::string lower = AsciiLower(key);
        if (lines.count(lower) > 0) {
            refuseLine(number, raw,
                       where + "Die Angabe " + Quoted(key) + " steht doppelt (zuerst in Zeile " +
                           std::to_string(lines[lower].number) + ").");
            continue;
        }
        lines.emplace(lower, Line{number, std::string(value), std::string(text.substr(0, 200))});
    }

    PlanReader in(std::move(lines));
    OwnShiftPlan plan;

    if (const Line* v = in.Need(kKeyVersion)) {
        int version = 0;
        if (!ParseDigits(v->value, 3, version) || version != kOwnPlanFileVersion)
            in.FailAt(*v, "Die Version " + Quoted(v->value) + " wird nicht unterstützt (erwartet " +
                              std::to_string(kOwnPlanFileVersion) + ").");
    }
    if (const Line* v = in.Need(kKeyName)) {
        plan.name = v->value;
        if (plan.name.empty()) in.FailAt(*v, "Der Plan hat keinen Namen.");
        if (Utf8CharacterCount(plan.name) > static_cast<std::size_t>(kMaxPlanNameCharacters))
            in.FailAt(*v, "Der Name ist länger als " + std::to_string(kMaxPlanNameCharacters) + " Zeichen.");
    }
    if (const Line* v = in.Need(kKeyKinds)) {
        plan.kindUsed = {false, false, false, false};
        for (char c : v->value) {
            const int kind = KindOfLetter(c);
            if (c == ' ' || c == ',') continue;
            if (kind < 0 || plan.kindUsed[kind]) {
                in.FailAt(*v, Quoted(v->value) + " nennt nicht jede der Schichten F, S, N, T höchstens einmal.");
                break;
            }
            plan.kindUsed[kind] = true;
        }
        if (!in.Failed() && plan.kindUsed == std::array<bool, kShiftKindCount>{})
            in.FailAt(*v, "Der Plan verwendet keine Schicht (erwartet z. B. FSN).");
    }
    for (int kind = 0; kind < kShiftKindCount; ++kind) ReadKindTimes(in, plan, kind);

    const Line* cycleLine = in.Need(kKeyCycle);
    if (cycleLine) {
        std::string error;
        plan.cycle = cycleLine->value;
        if (!IsValidCycleText(plan.cycle, error)) in.FailAt(*cycleLine, error);
    }
    if (const Line* v = in.Need(kKeyCycleStart)) {
        if (!ParseIsoDay(v->value, plan.cycleStart))
            in.FailAt(*v, Quoted(v->value) + " ist kein Datum von 1970-01-01 bis 2037-12-31 (erwartet JJJJ-MM-TT).");
    }
    if (const Line* v = in.Need(kKeyWorkOnHolidays)) {
        const std::string lower = AsciiLower(v->value);
        if (lower == kYes) {
            plan.workOnHolidays = true;
        } else if (lower == kNo) {
            plan.workOnHolidays = false;
        } else {
            in.FailAt(*v, Quoted(v->value) + " ist weder „ja“ noch „nein“.");
        }
    }
    if (const Line* v = in.Need(kKeyCountedHolidays)) {
        const std::string lower = AsciiLower(v->value);
        bool found = false;
        for (std::size_t i = 0; i < kHolidayRuleNames.size(); ++i) {
            if (lower != AsciiLower(kHolidayRuleNames[i])) continue;
            plan.countedHolidays = static_cast<CountedHolidayRule>(i);
            found = true;
        }
        if (!found) in.FailAt(*v, Quoted(v->value) + " ist keine Feiertagsregel (erlaubt sind Standard, gesetzlich, keine).");
    }
    int crewCount = 0;
    if (const Line* v = in.Need(kKeyCrewCount)) {
        if (!ParseDigits(v->value, 2, crewCount) || crewCount < 1 || crewCount > kMaxOwnCrews) {
            in.FailAt(*v, Quoted(v->value) + " ist keine erlaubte Anzahl von Schichten (1 bis " +
                              std::to_string(kMaxOwnCrews) + ").");
            crewCount = 0;
        }
    }
    for (int k = 0; k < crewCount; ++k) {
        OwnCrew crew;
        if (const Line* v = in.Need(CrewKey(k, kSuffixCrewName))) {
            crew.name = v->value;
            if (crew.name.empty()) in.FailAt(*v, "Die Schicht hat keinen Namen.");
            if (Utf8CharacterCount(crew.name) > static_cast<std::size_t>(kMaxCrewNameCharacters))
                in.FailAt(*v, "Der Name ist länger als " + std::to_string(kMaxCrewNameCharacters) + " Zeichen.");
        }
        if (const Line* v = in.Need(CrewKey(k, kSuffixColour))) {
            if (!ParseColour(v->value, crew.colour))
                in.FailAt(*v, Quoted(v->value) + " ist keine Farbe (erwartet #RRGGBB, z. B. #FF0000).");
        }
        if (const Line* v = in.Need(CrewKey(k, kSuffixOffset))) {
            const int length = plan.CycleLength();
            if (!ParseDigits(v->value, 2, crew.offset) || crew.offset >= length)
                in.FailAt(*v, "Der Versatz " + Quoted(v->value) + " liegt außerhalb des Zyklus (0 bis " +
                                  std::to_string(std::max(length - 1, 0)) + ").");
        }
        plan.crews.push_back(std::move(crew));
    }
    if (const Line* v = in.Optional(kKeyYearlyTarget)) {
        if (!ParseYearlyTarget(v->value, plan.yearlyTargetHundredths)) {
            in.FailAt(*v, Quoted(v->value) + " sind keine Sollstunden im Jahr (erwartet z. B. 1982,76, oder leer).");
            plan.yearlyTargetHundredths = 0;
        }
    }
    if (!lineError.empty()) return Damaged(std::move(plan), lineError, badLine, badLineText);
    if (in.Failed()) {
        const Line* at = in.ErrorLine();
        return Damaged(std::move(plan), in.Error(), at ? at->number : 0, at ? at->text : std::string());
    }

    std::string unknownKey;
    if (const Line* line = in.FirstUnused(unknownKey))
        return Damaged(std::move(plan), "Zeile " + std::to_string(line->number) + ": Unbekannte Angabe (Tippfehler?).",
                       line->number, line->text);

    const std::vector<PlanFinding> findings = CheckOwnShiftPlan(plan);
    if (HasPlanErrors(findings)) {
        // Whole-plan errors (a letter of a kind not in use) belong to the cycle line.
        const std::string prefix = cycleLine ? "Zeile " + std::to_string(cycleLine->number) + ": " : "";
        const std::string error = prefix + FirstPlanError(findings);
        return Damaged(std::move(plan), error, cycleLine ? cycleLine->number : 0,
                       cycleLine ? cycleLine->text : std::string());
    }
    OwnPlanReadResult result;
    result.plan = std::move(plan);
    return result;
}

std::string FormatOwnShiftPlan(const OwnShiftPlan& plan) {
    std::string out;
    auto line = [&out](const std::string& key, const std::string& value) { out += key + " = " + value + "\n"; };
    out += "# Eigener Schichtplan des Schichtkalenders (Aufbau: siehe README.md)\n";
    line(kKeyVersion, std::to_string(kOwnPlanFileVersion));
    line(kKeyName, plan.name);
    std::string kinds;
    for (int k = 0; k < kShiftKindCount; ++k)
        if (plan.kindUsed[k]) kinds += kShiftKindLetters[k];
    line(kKeyKinds, kinds);
    for (int k = 0; k < kShiftKindCount; ++k) {
        const std::string base = kShiftKindNames[k];
        const ShiftKindTimes& t = plan.kindTimes[k];
        line(base + kSuffixStart, ClockText(t.startMinute));
        line(base + kSuffixEnd, ClockText(t.endMinute));
        line(base + kSuffixPaid, PaidHoursText(t.paidMinutes));
    }
    line(kKeyCycle, plan.cycle);
    line(kKeyCycleStart, IsoDateText(plan.cycleStart));
    line(kKeyWorkOnHolidays, plan.workOnHolidays ? kYes : kNo);
    line(kKeyCountedHolidays, kHolidayRuleNames[static_cast<int>(plan.countedHolidays)]);
    line(kKeyCrewCount, std::to_string(plan.CrewCount()));
    for (int k = 0; k < plan.CrewCount(); ++k) {
        const OwnCrew& c = plan.crews[k];
        line(CrewKey(k, kSuffixCrewName), c.name);
        line(CrewKey(k, kSuffixColour), ColourText(c.colour));
        line(CrewKey(k, kSuffixOffset), std::to_string(c.offset));
    }
    // Only a target the user chose is written; a plan without one keeps its bytes.
    if (plan.yearlyTargetHundredths > 0) line(kKeyYearlyTarget, YearlyTargetText(plan.yearlyTargetHundredths));
    return out;
}

std::string OwnPlanPath(std::string_view folder) { return JoinPath(folder, kOwnPlanFileName); }

namespace {
// `inDataFolder`: the file of a data folder, read only where it stays inside
// it; a file named on the command line is the caller's choice.
OwnPlanReadResult LoadPlanFile(const std::string& path, bool inDataFolder) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return Refused("Die Datei " + QuotedPath(path) + " fehlt.");
    if (inDataFolder && IsLinkLeavingItsFolder(path))
        return Refused("Die Datei " + QuotedPath(path) +
                       " verweist aus dem Datenordner hinaus und wurde nicht gelesen.");
    if (!IsRegularFile(path)) return Refused(QuotedPath(path) + " ist keine Datei.");
    const auto bytes = inDataFolder ? ReadRegularFileInItsFolder(path, kMaxOwnPlanFileBytes + 1)
                                    : ReadRegularFile(path, kMaxOwnPlanFileBytes + 1);
    if (!bytes) return Refused("Die Datei " + QuotedPath(path) + " kann nicht gelesen werden.");
    OwnPlanReadResult r = ParseOwnShiftPlan(*bytes);
    if (!r.plan) r.error = QuotedPath(path) + ": " + r.error;
    return r;
}
}  // namespace

OwnPlanReadResult LoadOwnShiftPlanFile(const std::string& path) { return LoadPlanFile(path, false); }

OwnPlanReadResult LoadOwnShiftPlan(std::string_view folder) { return LoadPlanFile(OwnPlanPath(folder), true); }

bool SaveOwnShiftPlan(std::string_view folder, const OwnShiftPlan& plan, std::string& error) {
    const std::vector<PlanFinding> findings = CheckOwnShiftPlan(plan);
    if (HasPlanErrors(findings)) {
        error = FirstPlanError(findings);
        return false;
    }
    const std::string path = OwnPlanPath(folder);
    if (!WriteFileAtomically(path, FormatOwnShiftPlan(plan))) {
        error = "Der Schichtplan konnte nicht in " + QuotedPath(path) + " gespeichert werden.";
        return false;
    }
    error.clear();
    return true;
}

StartCalendarType DecideStartCalendarType(int storedType, std::string_view planFolder) {
    StartCalendarType start;
    if (storedType != kOwnPlanCalendarType) {
        start.calendarType = IsValidCalendarType(storedType) ? storedType : 0;
        return start;
    }
    OwnPlanReadResult r = LoadOwnShiftPlan(planFolder);
    if (r.plan) {
        start.calendarType = kOwnPlanCalendarType;
        start.plan = std::move(r.plan);
        return start;
    }
    start.calendarType = 0;
    start.message = "Der eigene Schichtplan kann nicht verwendet werden: " + r.error + " Der Kalender zeigt " +
                    Quoted(CalendarTypeInfoOf(0).label) +
                    "; die Datei bleibt unverändert, bis ein Schichtplan gespeichert wird.";
    return start;
}

}  // namespace sk
