#include "cli/PlanOptions.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string_view>

#include "cli/IcsExport.h"
#include "base/Latin1.h"
#include "settings/Users.h"
#include "shift/OwnShiftPlanFile.h"

namespace sk {

const char* const kPlanUsage =
    "Aufruf: schichtplan [--from JJJJ-MM-TT] [--to JJJJ-MM-TT] [--type N] [--format csv|text]\n"
    "                    [--lat L] [--lon L] [--zone Z] [--dst 0|1] [--twilight 0|1|2]\n"
    "       schichtplan --format ics --crew N [--type N] [--from ...] [--to ...] [--data ORDNER]\n"
    "       schichtplan --data ORDNER [--password PW] [--from ...] [--to ...] [--type N]\n"
    "       schichtplan --type 8 --data ORDNER | --plan DATEI [--format ...] [--crew N]\n"
    "       schichtplan --cycle FOLGE --cycle-start JJJJ-MM-TT [--crews N] [--offsets a,b,...]\n"
    "       schichtplan --school-holidays DATEI.ics [--format csv|text|ics] [...]\n"
    "       schichtplan --region SN [--format csv|text|ics|pdf] [...]\n"
    "       schichtplan --format pdf [--layout halfyear|months] [--type N] [--from ...] [--to ...]\n"
    "                    [--data ORDNER] > plan.pdf\n"
    "       schichtplan --remind --data ORDNER [--dry-run] [--now \"JJJJ-MM-TT HH:MM\"]\n"
    "       schichtplan --caldav URL --user NAME --password-file DATEI --crew N [--type N | --plan DATEI]\n"
    "                    [--data ORDNER] [--from ...] [--to ...]\n"
    "\n"
    "Gibt den Schichtplan eines Zeitraums aus (1970-01-01 bis 2037-12-31).\n"
    "  --from      erster Tag (Vorgabe: Erster des laufenden Monats)\n"
    "  --to        letzter Tag (Vorgabe: Ende des elften Monats danach)\n"
    "  --type      Schichtart 0-8 (Vorgabe 0)\n"
    "                0 Haldenau PM 1, 1 Haldenau Werk, 2 Haldenau Zweischicht,\n"
    "                3 PM 1 mit 2er Block, 4 Werk mit 2er Block, 5 Haldenau Standard,\n"
    "                6 Velmo Kessbach, 7 Olmer Karton, 8 eigener Schichtplan\n"
    "  --format    csv (Vorgabe), text, ics (iCalendar für Handy- und Desktop-Kalender)\n"
    "                oder pdf (A4 quer zum Ausdrucken)\n"
    "  --layout    Seiten des PDF: halfyear (Halbjahresplan der Schichtarten 5 und 8, Vorgabe der 5)\n"
    "                oder months (sechs Monatsspalten je Seite mit Legende, Vorgabe der anderen\n"
    "                Schichtarten außer 5)\n"
    "  --crew      Schicht für ics: 1-5 Rot, Blau, Gelb, Grün, Braun (Schichtart 0, 1, 3, 4, 5),\n"
    "                1-3 Rot, Blau, Gelb (Schichtart 2), 1-4 Schicht A-D (Schichtart 6, 7),\n"
    "                Nummer oder Name einer Schicht des eigenen Plans (Schichtart 8)\n"
    "  --vacation-block  0 oder 1: Urlaubsblocktage als ganztägige Termine im ics (Vorgabe 1)\n"
    "  --marks     0 oder 1: Schichtmarkierungen aus --data als ganztägige Termine im ics (Vorgabe 1);\n"
    "                nur in der Datei der Stammschicht, Urlaub, Krank und Freizeit nehmen dort\n"
    "                die Schicht des Tages heraus, ein X an einem freien Tag wird zur Schicht\n"
    "  --alarm     Minuten: Erinnerung so lange vor jedem Schichtbeginn im ics (Vorgabe 0, keine)\n"
    "  --data      Datenordner eines Benutzers; für ics kommen seine Schichtmarkierungen\n"
    "                als ganztägige Termine dazu; für csv kommt die Spalte notizen mit\n"
    "                seinen Notizen jedes Tages dazu\n"
    "  --region    Bundesland der Feiertage und Schulferien: BW BY BE BB HB HH HE MV NI NW RP SL\n"
    "                SN ST SH TH (Vorgabe BY, Bayern); die mitgelieferten Schulferien des Landes\n"
    "                gelten für die Jahre ohne eingebaute oder gespeicherte Termine\n"
    "  --school-holidays  iCalendar-Datei mit Schulferien (.ics); ihre Termine füllen die Jahre\n"
    "                ohne eingebaute Termine; ics zeigt dann die Schulferien an\n"
    "  --password  Passwort, mit dem die Notizen verschlüsselt sind (höchstens 32 Zeichen)\n"
    "  --caldav    Adresse eines Kalenders auf einem CalDAV-Server (https://...); die Termine\n"
    "                des ics-Exports werden dorthin abgeglichen: neue gesendet, geänderte ersetzt,\n"
    "                nicht mehr geplante im Zeitraum gelöscht; fremde Termine bleiben unberührt\n"
    "  --user      Benutzername am CalDAV-Server\n"
    "  --password-file  Datei, deren erste Zeile das Passwort des CalDAV-Servers ist\n"
    "  --plan      Datei eines eigenen Schichtplans (wie „Eigener Schichtplan.txt“);\n"
    "                ohne --plan und --cycle liest Schichtart 8 den Plan aus --data\n"
    "  --cycle     eigener Plan als Folge von 1 bis 84 Tagen aus F (Früh), S (Spät),\n"
    "                N (Nacht), T (Tag) und - (frei), z. B. FFSSNN----\n"
    "  --cycle-start  erster Tag der Folge (JJJJ-MM-TT)\n"
    "  --crews     Anzahl der Schichten des eigenen Plans, 1-6 (Vorgabe 5)\n"
    "  --offsets   Versatz jeder Schicht in Tagen, durch Kommas getrennt\n"
    "                (Vorgabe: gleichmäßig verteilt, Schicht k beginnt k × Länge / Anzahl Tage später)\n"
    "  --lat       geographische Breite, Nord positiv (Vorgabe 48.47)\n"
    "  --lon       geographische Länge, West positiv, Ost negativ (Vorgabe -12.52)\n"
    "  --zone      Zeitzone in Stunden, Ost positiv (Vorgabe 1.0)\n"
    "  --dst       Sommerzeit automatisch 0 oder 1 (Vorgabe 1)\n"
    "  --twilight  Dämmerung 0 bürgerlich, 1 nautisch, 2 astronomisch (Vorgabe 0)\n";

namespace {

constexpr std::string_view kPrefix = "schichtplan: ";

// Every value from the command line is quoted short and cleaned: it may be
// a whole file's worth of text, or bytes no terminal should receive.
std::string Quoted(std::string_view value) { return QuotedPiece(value); }

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


}  // namespace

bool ParseFixedDigits(std::string_view s, int& value) {
    value = 0;
    if (s.empty()) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

ParsedArguments ParsePlanArguments(const std::vector<std::string>& args, DayNumber today) {
    ParsedArguments result;
    PlanOptions& o = result.options;
    bool haveFrom = false;
    bool haveTo = false;
    std::string fromText;
    std::string toText;
    std::string crewText;
    bool haveCrew = false;
    bool haveMarksSwitch = false, haveVacationSwitch = false, haveAlarm = false;
    bool havePassword = false;
    bool haveType = false;
    std::string cycleText;
    std::string crewsText;
    std::string offsetsText;
    bool haveCycle = false, haveCycleStart = false, haveCrews = false, haveOffsets = false;
    DayNumber cycleStart = 0;
    std::set<std::string> given;

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
                                             "--lon",  "--zone", "--dst", "--twilight", "--crew", "--data", "--password",
                                             "--plan", "--cycle", "--cycle-start", "--crews", "--offsets",
                                             "--school-holidays", "--layout", "--vacation-block", "--marks",
                                             "--alarm", "--region", "--caldav", "--user", "--password-file"};
        if (std::find(std::begin(kKnown), std::end(kKnown), name) == std::end(kKnown))
            return fail("Unbekannte Option " + Quoted(name) + ".");
        // The last of two would win unnoticed; a script with a slip is told.
        if (!given.insert(name).second) return fail("Die Option " + name + " ist zweimal angegeben.");
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
            if (!ParseSmallInt(value, 0, kOwnPlanCalendarType, o.calendarType))
                return fail("Ungültige Schichtart " + Quoted(value) + " (erlaubt sind 0 bis 8).");
            haveType = true;
        } else if (name == "--plan") {
            if (value.empty()) return fail("Zur Option --plan fehlt die Datei.");
            o.planFile = value;
        } else if (name == "--cycle") {
            std::string why;
            // As the plan window takes it: "ffssnn--" is "FFSSNN--".
            const std::string cycle = NormalisedCycleText(value);
            if (!IsValidCycleText(cycle, why)) return fail("Ungültiger Zyklus bei --cycle: " + why);
            cycleText = cycle;
            haveCycle = true;
        } else if (name == "--cycle-start") {
            int y = 0, m = 0, d = 0;
            if (!ParseIsoDate(value, y, m, d) || y < kFirstYear || y > kLastYear)
                return fail(Quoted(value) +
                            " ist kein gültiges Datum von 1970-01-01 bis 2037-12-31 (erwartet JJJJ-MM-TT) bei --cycle-start.");
            cycleStart = DayNumberOf(y, m, d);
            haveCycleStart = true;
        } else if (name == "--crews") {
            crewsText = value;
            haveCrews = true;
        } else if (name == "--offsets") {
            offsetsText = value;
            haveOffsets = true;
        } else if (name == "--format") {
            if (value == "csv") {
                o.format = PlanFormat::Csv;
            } else if (value == "text") {
                o.format = PlanFormat::Text;
            } else if (value == "ics") {
                o.format = PlanFormat::Ics;
            } else if (value == "pdf") {
                o.format = PlanFormat::Pdf;
            } else {
                return fail("Unbekanntes Format " + Quoted(value) + " (erlaubt sind csv, text, ics und pdf).");
            }
        } else if (name == "--layout") {
            if (value == "halfyear") {
                o.layout = PlanLayout::HalfYear;
            } else if (value == "months") {
                o.layout = PlanLayout::Months;
            } else {
                return fail("Unbekannte Seitenform " + Quoted(value) + " (erlaubt sind halfyear und months).");
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
        } else if (name == "--vacation-block" || name == "--marks") {
            int v = 0;
            if (!ParseSmallInt(value, 0, 1, v))
                return fail("Ungültiger Wert " + Quoted(value) + " für " + name + " (erlaubt sind 0 und 1).");
            (name == "--marks" ? o.icsMarks : o.icsVacationBlock) = v == 1;
            (name == "--marks" ? haveMarksSwitch : haveVacationSwitch) = true;
        } else if (name == "--alarm") {
            if (value.size() > 4 || !ParseFixedDigits(value, o.icsAlarmMinutes) || o.icsAlarmMinutes > kMaxAlarmMinutes)
                return fail("Ungültiger Wert " + Quoted(value) + " für --alarm (erlaubt sind 0 bis " +
                            std::to_string(kMaxAlarmMinutes) + " Minuten).");
            haveAlarm = true;
        } else if (name == "--crew") {
            crewText = value;  // checked below, once the type is known
            haveCrew = true;
        } else if (name == "--data") {
            if (value.empty()) return fail("Zur Option --data fehlt der Ordner.");
            o.dataFolder = value;
        } else if (name == "--caldav" || name == "--user" || name == "--password-file") {
            if (value.empty()) return fail("Zur Option " + name + " fehlt der Wert.");
            (name == "--caldav" ? o.caldavUrl : name == "--user" ? o.caldavUser : o.caldavPasswordFile) = value;
        } else if (name == "--school-holidays") {
            if (value.empty()) return fail("Zur Option --school-holidays fehlt die Datei.");
            o.schoolHolidayFile = value;
        } else if (name == "--region") {
            const std::optional<Region> region = RegionOfCode(value);
            if (!region)
                return fail("Unbekanntes Bundesland " + Quoted(value) +
                            " bei --region (erlaubt: BW BY BE BB HB HH HE MV NI NW RP SL SN ST SH TH).");
            o.region = *region;
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

    // The own plan: --plan and --cycle choose type 8 on their own.
    const bool ownPlanOption = haveCycle || !o.planFile.empty();
    if (ownPlanOption && haveType && o.calendarType != kOwnPlanCalendarType)
        return fail(std::string(haveCycle ? "Die Option --cycle" : "Die Option --plan") +
                    " gilt nur für die Schichtart 8 (eigener Schichtplan).");
    if (ownPlanOption) o.calendarType = kOwnPlanCalendarType;
    if (haveCycle && !o.planFile.empty()) return fail("Die Optionen --cycle und --plan schließen einander aus.");
    if (!haveCycle && (haveCycleStart || haveCrews || haveOffsets))
        return fail("Die Optionen --cycle-start, --crews und --offsets gelten nur zusammen mit --cycle.");
    if (haveCycle) {
        if (!haveCycleStart) return fail("Zur Option --cycle fehlt der erste Tag (--cycle-start JJJJ-MM-TT).");
        const int length = static_cast<int>(cycleText.size());
        std::vector<int> offsets;
        if (haveOffsets) {
            const std::string hint = " (erwartet durch Kommas getrennte Zahlen von 0 bis " + std::to_string(length - 1) +
                                     ", eine je Schicht).";
            std::string_view rest = offsetsText;
            while (true) {
                const std::size_t comma = rest.find(',');
                int offset = 0;
                if (!ParseSmallInt(rest.substr(0, comma), 0, length - 1, offset) ||
                    offsets.size() >= static_cast<std::size_t>(kMaxOwnCrews))
                    return fail("Ungültige Versätze " + Quoted(offsetsText) + hint);
                offsets.push_back(offset);
                if (comma == std::string_view::npos) break;
                rest.remove_prefix(comma + 1);
            }
        }
        int crews = haveOffsets ? static_cast<int>(offsets.size()) : kDefaultOwnCrews;
        if (haveCrews && !ParseSmallInt(crewsText, 1, kMaxOwnCrews, crews))
            return fail("Ungültige Anzahl der Schichten " + Quoted(crewsText) + " (erlaubt sind 1 bis " +
                        std::to_string(kMaxOwnCrews) + ").");
        if (haveOffsets && static_cast<int>(offsets.size()) != crews)
            return fail("Die Versätze " + Quoted(offsetsText) + " nennen " + std::to_string(offsets.size()) +
                        " Schichten, der Plan hat " + std::to_string(crews) + ".");
        OwnShiftPlan plan = MakeOwnShiftPlan(cycleText, cycleStart, crews);
        for (std::size_t k = 0; k < offsets.size(); ++k) plan.crews[k].offset = offsets[k];
        o.ownPlan = std::move(plan);
    } else if (o.calendarType == kOwnPlanCalendarType && o.planFile.empty() && o.dataFolder.empty()) {
        return fail("Zur Schichtart 8 fehlt der eigene Schichtplan (--data ORDNER, --plan DATEI oder --cycle FOLGE).");
    }

    // The sync sends the events of the iCalendar export: the same choices apply.
    const bool sync = !o.caldavUrl.empty();
    if (sync != !o.caldavUser.empty() || sync != !o.caldavPasswordFile.empty())
        return fail("Die Optionen --caldav, --user und --password-file gelten nur zusammen.");
    if (sync) {
        if (given.count("--format") != 0) return fail("Die Option --caldav schließt --format aus.");
        o.format = PlanFormat::CalDav;
    }
    const bool events = o.format == PlanFormat::Ics || sync;
    if (haveCrew || events) {
        if (!events) return fail("Die Option --crew gilt nur zusammen mit --format ics.");
        if (!haveCrew) return fail(sync ? "Zum Kalenderabgleich fehlt die Schicht (--crew N)." : "Zum Format ics fehlt die Schicht (--crew N).");
        o.crewText = crewText;
    }
    if (events && o.calendarType != kOwnPlanCalendarType) {
        o.crew = ParseCrewArgument(o.calendarType, crewText);
        if (o.crew < 0)
            return fail("Ungültige Schicht " + Quoted(crewText) + " für die Schichtart " +
                        std::to_string(o.calendarType) + " (erlaubt sind " + CrewChoicesText(o.calendarType) + ").");
    }

    if ((haveMarksSwitch || haveVacationSwitch) && !events)
        return fail(std::string(haveMarksSwitch ? "Die Option --marks" : "Die Option --vacation-block") +
                    " gilt nur zusammen mit --format ics.");
    if (haveAlarm && o.format != PlanFormat::Ics && o.format != PlanFormat::CalDav) return fail("Die Option --alarm gilt nur zusammen mit --format ics.");
    if (o.layout != PlanLayout::Default && o.format != PlanFormat::Pdf)
        return fail("Die Option --layout gilt nur zusammen mit --format pdf.");
    if (havePassword && o.dataFolder.empty()) return fail("Die Option --password gilt nur zusammen mit --data.");
    // A plan given on the command line answers the crew at once; one from a
    // file is read first (ResolveOwnPlan).
    if (o.ownPlan && !ResolveOwnPlan(o, result.error)) {
        result.outcome = ParsedArguments::Outcome::Error;
        return result;
    }

    if (!haveFrom) o.from = WholeMonthsFrom(today).first;
    if (!haveTo) o.to = WholeMonthsFrom(o.from).last;
    if (o.from > o.to) {
        return fail("Das Startdatum " + Quoted(haveFrom ? fromText : IsoDateText(o.from)) + " liegt nach dem Enddatum " +
                    Quoted(haveTo ? toText : IsoDateText(o.to)) + ".");
    }
    return result;
}

int ParseOwnPlanCrewArgument(const OwnShiftPlan& plan, std::string_view text) {
    if (text.empty() || text.size() > 64) return -1;
    if (text.size() <= 2 && text.find_first_not_of("0123456789") == std::string_view::npos) {
        const int n = std::atoi(std::string(text).c_str());
        return n >= 1 && n <= plan.CrewCount() ? n - 1 : -1;
    }
    auto lower = [](std::string_view t) {
        std::string s(t);
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    for (int k = 0; k < plan.CrewCount(); ++k)
        if (lower(plan.crews[k].name) == lower(text)) return k;
    return -1;
}

bool ResolveOwnPlan(PlanOptions& o, std::string& error) {
    if (o.calendarType != kOwnPlanCalendarType) return true;
    if (!o.ownPlan) {
        OwnPlanReadResult r = o.planFile.empty() ? LoadOwnShiftPlan(o.dataFolder) : LoadOwnShiftPlanFile(o.planFile);
        if (!r.plan) {
            error = std::string(kPrefix) + r.error;
            return false;
        }
        o.ownPlan = std::move(r.plan);
    }
    if (o.format != PlanFormat::Ics && o.format != PlanFormat::CalDav) return true;
    o.crew = ParseOwnPlanCrewArgument(*o.ownPlan, o.crewText);
    if (o.crew >= 0) return true;
    std::string choices;
    for (int k = 0; k < o.ownPlan->CrewCount(); ++k)
        choices += (k == 0 ? " " : ", ") + std::to_string(k + 1) + " " + o.ownPlan->crews[k].name;
    error = std::string(kPrefix) + "Ungültige Schicht " + Quoted(o.crewText) + " für den Plan " +
            Quoted(o.ownPlan->name) + " (erlaubt sind 1 bis " + std::to_string(o.ownPlan->CrewCount()) + ":" +
            choices + ").";
    return false;
}

}  // namespace sk
