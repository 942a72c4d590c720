#include "settings/SettingsFile.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "base/Latin1.h"
#include "base/TrimBlanks.h"

namespace sk {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kProgramGroup = "Programmeinstellungen";
constexpr std::string_view kAstronomyGroup = "Astronomie";

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Only ASCII letters fold; "Ä" and "ä" stay different.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

// A text value must stay on its line: line breaks become blanks.
std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\n' || c == '\r') c = ' ';
    return out;
}

// Font and place names no one types that long would only make the file
// outgrow its read limit. Blanks at the cut go too: the reader drops them,
// and a name must read back as it was written.
std::string CappedText(std::string_view text) {
    const std::string line = OneLine(text);
    return std::string(TrimBlanks(Utf8Prefix(line, kMaxSettingsNameCharacters)));
}

std::string IntText(long long v) { return std::to_string(v); }

std::optional<std::string> NonFiniteText(double v) {
    if (std::isnan(v)) return std::string("NaN");
    if (std::isinf(v)) return std::string(v > 0 ? "+Infinity" : "-Infinity");
    return std::nullopt;
}

}  // namespace

std::string RepairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t n = ValidUtf8SequenceLength(bytes);
        if (n == 0) {
            out += Latin1ToUtf8(bytes.substr(0, 1));
            bytes.remove_prefix(1);
        } else {
            out.append(bytes.substr(0, n));
            bytes.remove_prefix(n);
        }
    }
    return out;
}

std::string DecodeSettingsBytes(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) return RepairUtf8(bytes.substr(kUtf8Mark.size()));
    return Latin1ToUtf8(bytes);
}

std::string FormatFloat32(float v) {
    if (auto special = NonFiniteText(v)) return *special;
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v), std::chars_format::fixed, 6);
    return std::string(buf, r.ptr);
}

std::string FormatFloat64(double v) {
    if (auto special = NonFiniteText(v)) return *special;
    // Up to 64 significant digits; to_chars never uses the locale's comma.
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 64);
    return std::string(buf, r.ptr);
}

std::int32_t ParseIntegerValue(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) return 0;
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        v = v * 10 + (c - '0');
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::int32_t>(v);
}

double ParseFloatValue(std::string_view text) {
    text = TrimBlanks(text);
    if (EqualsIgnoringAsciiCase(text, "+Infinity") || EqualsIgnoringAsciiCase(text, "Infinity"))
        return std::numeric_limits<double>::infinity();
    if (EqualsIgnoringAsciiCase(text, "-Infinity")) return -std::numeric_limits<double>::infinity();
    if (EqualsIgnoringAsciiCase(text, "NaN")) return std::numeric_limits<double>::quiet_NaN();
    std::string_view digits = text;
    if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
    if (digits.empty() || digits[0] == '+' || (digits[0] == '-' && text[0] == '+')) return 0.0;
    // Only plain decimal notation: no "inf"/"nan" spellings, no hex.
    for (char c : digits) {
        const bool ok = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E' || c == '+';
        if (!ok) return 0.0;
    }
    double v = 0.0;
    const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), v, std::chars_format::general);
    if (r.ptr != digits.data() + digits.size()) return 0.0;
    if (r.ec == std::errc::result_out_of_range) {
        // Beyond the double range: the sign decides between the two infinities
        // or zero, as a C library reader would give.
        const bool negative = digits[0] == '-';
        const auto e = digits.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
        if (tiny) return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    if (r.ec != std::errc()) return 0.0;
    return v;
}

std::optional<std::string_view> IniDocument::Find(std::string_view group, std::string_view key) const {
    for (const IniGroup& g : groups) {
        if (!EqualsIgnoringAsciiCase(g.name, group)) continue;
        for (const IniEntry& e : g.entries)
            if (EqualsIgnoringAsciiCase(e.key, key)) return std::string_view(e.value);
        return std::nullopt;  // only the first group of that name counts
    }
    return std::nullopt;
}

IniDocument ParseIni(std::string_view text) {
    IniDocument doc;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size()) {
            if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
            ++pos;
        }
        while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            line.remove_prefix(1);
            const std::size_t close = line.find(']');
            IniGroup g;
            g.name = std::string(TrimBlanks(line.substr(0, close)));
            doc.groups.push_back(std::move(g));
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        std::string_view key = line.substr(0, eq);
        while (!key.empty() && IsBlank(key.back())) key.remove_suffix(1);
        IniEntry e{std::string(key), std::string(line.substr(eq + 1))};
        if (doc.groups.empty())
            doc.beforeFirstGroup.push_back(std::move(e));
        else
            doc.groups.back().entries.push_back(std::move(e));
    }
    return doc;
}

namespace {

// Reads one group's keys against the defaults.
struct GroupReader {
    const IniDocument& doc;
    std::string_view group;

    std::string Text(std::string_view key, const std::string& def) const {
        const auto v = doc.Find(group, key);
        return v ? std::string(TrimBlanks(*v)) : def;
    }
    std::int32_t Int(std::string_view key, std::int32_t def) const {
        const auto v = doc.Find(group, key);
        return v ? ParseIntegerValue(*v) : def;
    }
    bool Flag(std::string_view key, bool def) const {
        const auto v = doc.Find(group, key);
        return v ? ParseIntegerValue(*v) != 0 : def;
    }
    double Float(std::string_view key, double def) const {
        const auto v = doc.Find(group, key);
        return v ? ParseFloatValue(*v) : def;
    }
};

float ToFloat32(double v) {
    // Out-of-range values saturate to infinity instead of invoking undefined conversion.
    if (std::isfinite(v) && std::fabs(v) > std::numeric_limits<float>::max())
        return v > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

}  // namespace

Settings ParseSettingsFile(std::string_view bytes, const Settings& defaults) {
    const std::string text = DecodeSettingsBytes(bytes);
    const IniDocument doc = ParseIni(text);
    Settings s;
    const GroupReader p{doc, kProgramGroup};
    s.fontName = CappedText(p.Text("Fontname", defaults.fontName));
    s.fontSize = p.Int("Fontgröße", defaults.fontSize);
    s.fontStyle = p.Int("Fontstil", defaults.fontStyle);
    s.lastColumn = p.Int("Schichtspalten", defaults.lastColumn);
    s.showSchoolHolidays = p.Flag("Schulferien anzeigen", defaults.showSchoolHolidays);
    s.showWeekNumbers = p.Flag("Wochennummer anzeigen", defaults.showWeekNumbers);
    s.userDirectory = p.Text("Anwenderverzeichnis", defaults.userDirectory);
    s.userName = p.Text("Anwendername", defaults.userName);
    s.calendarType = p.Int("Schichtart", defaults.calendarType);
    s.vacationBlockShown = p.Flag("UrlaubBlockAnzeige", defaults.vacationBlockShown);
    s.targetHours38 = ToFloat32(p.Float("Sollstunden_38", defaults.targetHours38));
    s.targetHours40 = ToFloat32(p.Float("Sollstunden_40", defaults.targetHours40));
    s.vacationStartMonth = p.Int("UrlaubStartMonat", defaults.vacationStartMonth);
    s.vacationStartDay = p.Int("UrlaubStartTag", defaults.vacationStartDay);
    s.vacationCycle = p.Int("UrlaubZyklus", defaults.vacationCycle);
    // An unknown state reads as the default, like a missing key.
    s.region = RegionOfCode(TrimBlanks(p.Text("Bundesland", ""))).value_or(defaults.region);

    const GroupReader a{doc, kAstronomyGroup};
    s.latitude = a.Float("Breite", defaults.latitude);
    s.longitude = a.Float("Länge", defaults.longitude);
    s.timeZone = a.Float("Zeitzone", defaults.timeZone);
    s.autoSummerTime = a.Flag("Sommerzeit automatisch", defaults.autoSummerTime);
    s.placeName = CappedText(a.Text("Ortsname", defaults.placeName));
    s.twilightKind = a.Int("Dämmerung", defaults.twilightKind);
    s.showMoonPhases = a.Flag("Mondphasen anzeigen", defaults.showMoonPhases);
    s.showPerihelionAphelion = a.Flag("Perihel und Aphel anzeigen", defaults.showPerihelionAphelion);
    return s;
}

std::string FormatSettingsFile(const Settings& s) {
    std::string out;
    out.reserve(1024);
    auto line = [&out](std::string_view key, const std::string& value) {
        out.append(key);
        out.append(" = ");
        out.append(value);
        out.push_back('\n');
    };
    out.append(kUtf8Mark);
    out.push_back('\n');
    out.append("[Programmeinstellungen]\n");
    line("Fontname", CappedText(s.fontName));
    line("Fontgröße", IntText(s.fontSize));
    line("Fontstil", IntText(s.fontStyle));
    line("Schichtspalten", IntText(s.lastColumn));
    line("Schulferien anzeigen", IntText(s.showSchoolHolidays));
    line("Wochennummer anzeigen", IntText(s.showWeekNumbers));
    line("Anwenderverzeichnis", OneLine(s.userDirectory));
    line("Anwendername", OneLine(s.userName));
    line("Schichtart", IntText(s.calendarType));
    line("UrlaubBlockAnzeige", IntText(s.vacationBlockShown));
    line("Sollstunden_38", FormatFloat32(s.targetHours38));
    line("Sollstunden_40", FormatFloat32(s.targetHours40));
    line("UrlaubStartMonat", IntText(s.vacationStartMonth));
    line("UrlaubStartTag", IntText(s.vacationStartDay));
    line("UrlaubZyklus", IntText(s.vacationCycle));
    if (s.region != kDefaultRegion) line("Bundesland", std::string(InfoOf(s.region).code));
    out.append("; \n");
    out.append("[Astronomie]\n");
    line("Breite", FormatFloat64(s.latitude));
    line("Länge", FormatFloat64(s.longitude));
    line("Zeitzone", FormatFloat64(s.timeZone));
    line("Sommerzeit automatisch", IntText(s.autoSummerTime));
    line("Ortsname", CappedText(s.placeName));
    line("Dämmerung", IntText(s.twilightKind));
    line("Mondphasen anzeigen", IntText(s.showMoonPhases));
    line("Perihel und Aphel anzeigen", IntText(s.showPerihelionAphelion));
    return out;
}

}  // namespace sk
