#include "cli/PlanOptions.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "cli/IcsExport.h"
#include "base/Latin1.h"
#include "settings/Users.h"

namespace sk {

const char* const kPlanUsage =
    "Aufruf: schichtplan [--from JJJJ-MM-TT] [--to JJJJ-MM-TT] [--type N] [--format csv|text]\n"
    "                    [--lat L] [--lon L] [--zone Z] [--dst 0|1] [--twilight 0|1|2]\n"
    "       schichtplan --format ics --crew N [--type N] [--from ...] [--to ...] [--data ORDNER]\n"
    "       schichtplan --data ORDNER [--password PW] [--from ...] [--to ...] [--type N]\n"
    "\n"
    "Gibt den Schichtplan eines Zeitraums aus (1970-01-01 bis 2037-12-31).\n"
    "  --from      erster Tag (Vorgabe: Erster des laufenden Monats)\n"
    "  --to        letzter Tag (Vorgabe: Ende des elften Monats danach)\n"
    "  --type      Schichtart 0-7 (Vorgabe 0)\n"
    "                0 Haldenau PM 1, 1 Haldenau Werk, 2 Haldenau Zweischicht,\n"
    "                3 PM 1 mit 2er Block, 4 Werk mit 2er Block, 5 Haldenau Standard,\n"
    "                6 Velmo Kessbach, 7 Olmer Karton\n"
    "  --format    csv (Vorgabe), text oder ics (iCalendar für Handy- und Desktop-Kalender)\n"
    "  --crew      Schicht für ics: 1-5 Rot, Blau, Gelb, Grün, Braun (Schichtart 0, 1, 3, 4, 5),\n"
    "                1-3 Rot, Blau, Gelb (Schichtart 2), 1-4 Schicht A-D (Schichtart 6, 7)\n"
    "  --data      Datenordner eines Benutzers; für ics kommen seine Schichtmarkierungen\n"
    "                als ganztägige Termine dazu; für csv kommt die Spalte notizen mit\n"
    "                seinen Notizen jedes Tages dazu\n"
    "  --password  Passwort, mit dem die Notizen verschlüsselt sind (höchstens 32 Zeichen)\n"
    "  --lat       geographische Breite, Nord positiv (Vorgabe 48.47)\n"
    "  --lon       geographische Länge, West positiv, Ost negativ (Vorgabe -12.52)\n"
    "  --zone      Zeitzone in Stunden, Ost positiv (Vorgabe 1.0)\n"
    "  --dst       Sommerzeit automatisch 0 oder 1 (Vorgabe 1)\n"
    "  --twilight  Dämmerung 0 bürgerlich, 1 nautisch, 2 astronomisch (Vorgabe 0)\n";

namespace {

constexpr std::string_view kPrefix = "schichtplan: ";

std::string Quoted(std::string_view value) { return "„" + std::string(value) + "“"; }

bool ParseFixedDigits(std::string_view s, int& value) {
    value = 0;
    if (s.empty()) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// Strictly YYYY-MM-DD naming a real day.
bool ParseIsoDate(std::string_view s, int& y, int& m, int& d) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    if (!ParseFixedDigits(s.substr(0, 4), y) || !ParseFixedDigits(s.substr(5, 2), m) ||
        !ParseFixedDigits(s.substr(8, 2), d))
        return false;
    return m >= 1 && m <= 12 && d >= 1 && d <= MonthLength(y, m - 1);
}

// A finite decimal number; a decimal comma is taken as a point.
bool ParseNumber(std::string_view s, double& value) {
    if (s.empty() || s.size() > 64) return false;
    std::string text(s);
    std::replace(text.begin(), text.end(), ',', '.');
    if (text.find_first_not_of("+-.0123456789eE") != std::string::npos) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && errno == 0 && std::isfinite(value);
}

bool ParseSmallInt(std::string_view s, int low, int high, int& value) {
    if (s.size() > 3 || !ParseFixedDigits(s, value)) return false;
    return value >= low && value <= high;
}

DayNumber LastDayOfMonthAfter(DayNumber first, int months) {
    const CivilDate c = CivilOf(first);
    const int index = (c.year * 12 + c.month - 1) + months;
    const int year = index / 12;
    const int month = index % 12 + 1;
    return DayNumberOf(year, month, MonthLength(year, month - 1));
}

}  // namespace

ParsedArguments ParsePlanArguments(const std::vector<std::string>& args, DayNumber today) {
    ParsedArguments result;
    PlanOptions& o = result.options;
    bool haveFrom = false;
    bool haveTo = false;
    std::string fromText;
    std::string toText;
    std::string crewText;
    bool haveCrew = false;
    bool havePassword = false;

    auto fail = [&result](std::string message) {
        result.outcome = ParsedArguments::Outcome::Error;
        result.error = std::string(kPrefix) + message;
        return result;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            result.outcome = ParsedArguments::Outcome::Help;
            return result;
        }
        if (!arg.starts_with("--")) return fail("Unerwartetes Argument " + Quoted(arg) + ".");
        std::string name(arg);
        std::string value;
        bool haveValue = false;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            haveValue = true;
        }
        static const char* const kKnown[] = {"--from", "--to",  "--type", "--format",  "--lat",
                                             "--lon",  "--zone", "--dst", "--twilight", "--crew", "--data", "--password"};
        if (std::find(std::begin(kKnown), std::end(kKnown), name) == std::end(kKnown))
            return fail("Unbekannte Option " + Quoted(name) + ".");
        if (!haveValue) {
            if (i + 1 >= args.size()) return fail("Zur Option " + Quoted(name) + " fehlt der Wert.");
            value = args[++i];
        }

        if (name == "--from" || name == "--to") {
            int y = 0, m = 0, d = 0;
            if (!ParseIsoDate(value, y, m, d))
                return fail(Quoted(value) + " ist kein gültiges Datum (erwartet JJJJ-MM-TT) bei " + name + ".");
            if (y < kFirstYear || y > kLastYear)
                return fail("Das Datum " + Quoted(value) + " liegt außerhalb von 1970-01-01 bis 2037-12-31.");
            (name == "--from" ? o.from : o.to) = DayNumberOf(y, m, d);
            (name == "--from" ? haveFrom : haveTo) = true;
            (name == "--from" ? fromText : toText) = value;
        } else if (name == "--type") {
            if (!ParseSmallInt(value, 0, kNumberOfCalendarTypes - 1, o.calendarType))
                return fail("Ungültige Schichtart " + Quoted(value) + " (erlaubt sind 0 bis 7).");
        } else if (name == "--format") {
            if (value == "csv") {
                o.format = PlanFormat::Csv;
            } else if (value == "text") {
                o.format = PlanFormat::Text;
            } else if (value == "ics") {
                o.format = PlanFormat::Ics;
            } else {
                return fail("Unbekanntes Format " + Quoted(value) + " (erlaubt sind csv, text und ics).");
            }
        } else if (name == "--lat" || name == "--lon" || name == "--zone") {
            double v = 0;
            if (!ParseNumber(value, v)) return fail(Quoted(value) + " ist keine gültige Zahl für " + name + ".");
            const double limit = name == "--lat" ? 90.0 : name == "--lon" ? 180.0 : 14.0;
            if (std::fabs(v) > limit)
                return fail("Der Wert " + Quoted(value) + " für " + name + " liegt außerhalb von -" +
                            std::to_string(int(limit)) + " bis " + std::to_string(int(limit)) + ".");
            (name == "--lat" ? o.observer.latitude : name == "--lon" ? o.observer.longitude : o.observer.zone) = v;
        } else if (name == "--dst") {
            int v = 0;
            if (!ParseSmallInt(value, 0, 1, v))
                return fail("Ungültiger Wert " + Quoted(value) + " für --dst (erlaubt sind 0 und 1).");
            o.observer.autoSummerTime = v == 1;
        } else if (name == "--crew") {
            crewText = value;  // checked below, once the type is known
            haveCrew = true;
        } else if (name == "--data") {
            if (value.empty()) return fail("Zur Option --data fehlt der Ordner.");
            o.dataFolder = value;
        } else if (name == "--password") {
            if (Utf8CharacterCount(value) > static_cast<std::size_t>(kMaxPasswordLength))
                return fail("Das Passwort ist länger als " + std::to_string(kMaxPasswordLength) + " Zeichen.");
            o.password = value;
            havePassword = true;
        } else {  // --twilight
            if (!ParseSmallInt(value, 0, 2, o.observer.twilightKind))
                return fail("Ungültiger Wert " + Quoted(value) + " für --twilight (erlaubt sind 0, 1 und 2).");
        }
    }

    if (haveCrew || o.format == PlanFormat::Ics) {
        if (o.format != PlanFormat::Ics) return fail("Die Option --crew gilt nur zusammen mit --format ics.");
        if (!haveCrew) return fail("Zum Format ics fehlt die Schicht (--crew N).");
        o.crew = ParseCrewArgument(o.calendarType, crewText);
        if (o.crew < 0)
            return fail("Ungültige Schicht " + Quoted(crewText) + " für die Schichtart " +
                        std::to_string(o.calendarType) + " (erlaubt sind " + CrewChoicesText(o.calendarType) + ").");
    }

    if (havePassword && o.dataFolder.empty()) return fail("Die Option --password gilt nur zusammen mit --data.");

    if (!haveFrom) {
        // The first of the current month, kept inside the calendar's years.
        const CivilDate c = CivilOf(std::clamp(today, kFirstDay, kLastDay));
        o.from = DayNumberOf(c.year, c.month, 1);
    }
    if (!haveTo) o.to = std::min(LastDayOfMonthAfter(o.from, 11), kLastDay);
    if (o.from > o.to) {
        auto iso = [](DayNumber d) {
            const CivilDate c = CivilOf(d);
            char buf[16];
            std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
            return std::string(buf);
        };
        return fail("Das Startdatum " + Quoted(haveFrom ? fromText : iso(o.from)) + " liegt nach dem Enddatum " +
                    Quoted(haveTo ? toText : iso(o.to)) + ".");
    }
    return result;
}

}  // namespace sk
