#include "cli/RemindCommand.h"

#include <algorithm>
#include <set>

#include "base/Latin1.h"
#include "cli/PlanOptions.h"
#include "cli/Schichtplan.h"
#include "notes/NotesOfDay.h"
#include "remind/LocalClock.h"
#include "remind/ReminderSources.h"
#include "settings/Users.h"

namespace sk {

const char* const kRemindUsage =
    "Aufruf: schichtplan --remind --data ORDNER [--dry-run] [--now \"JJJJ-MM-TT HH:MM\"] [--password PW]\n"
    "\n"
    "Sendet die fälligen Erinnerungen (Schichten, Jahrestage) als Benachrichtigungen des Desktops,\n"
    "wie sie die Datei „Erinnerungen.txt“ im Ordner bestimmt, und endet. Jede Erinnerung kommt nur einmal.\n"
    "  --data      Ordner des Benutzers mit „Einstellungen.dat“, z. B. ~/SKDaten/Programm\n"
    "  --dry-run   nur ausgeben, was gesendet würde\n"
    "  --now       die Uhrzeit (deutsche Ortszeit), zu der geprüft wird; Vorgabe: jetzt\n"
    "  --password  Passwort der Notizen, damit verschlüsselte Jahrestage lesbar sind\n";

namespace {

constexpr std::string_view kPrefix = "schichtplan: ";

// "JJJJ-MM-TT HH:MM" (or with "T" between) in 1970-2037, German clock time.
std::optional<DateValue> ParseNow(std::string_view s) {
    if (s.size() != 16 || s[4] != '-' || s[7] != '-' || (s[10] != ' ' && s[10] != 'T') || s[13] != ':')
        return std::nullopt;
    int y, m, d, h, min;
    if (!ParseFixedDigits(s.substr(0, 4), y) || !ParseFixedDigits(s.substr(5, 2), m) || !ParseFixedDigits(s.substr(8, 2), d) ||
        !ParseFixedDigits(s.substr(11, 2), h) || !ParseFixedDigits(s.substr(14, 2), min))
        return std::nullopt;
    if (y < kFirstYear || y > kLastYear || m < 1 || m > 12 || d < 1 || d > MonthLength(y, m - 1) || h > 23 ||
        min > 59)
        return std::nullopt;
    return BerlinInstantOf(DayNumberOf(y, m, d), h * 60 + min);
}

std::string DueText(DateValue due) {
    const LocalMoment m = BerlinMomentOf(due);
    return IsoDateText(m.day) + " " + ClockText(m.minute);
}

std::string Describe(const DueReminder& r) {
    std::string line = DueText(r.due) + "  " + r.title;
    if (!r.body.empty()) line += " – " + ReplaceLineBreaks(r.body, " / ");
    return line + "\n";
}

}  // namespace

bool IsRemindCommand(const std::vector<std::string>& args) {
    return std::find(args.begin(), args.end(), "--remind") != args.end();
}

int RunRemindCommand(const std::vector<std::string>& args, DateValue now, const ReminderSender& send,
                     const OutputSink& out, std::string& err) {
    err.clear();
    auto fail = [&](const std::string& what) {
        err = std::string(kPrefix) + what + "\n";
        return kExitBadInput;
    };
    std::string folder, password;
    bool dryRun = false;
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        if (name == "--help" || name == "-h") return out(kRemindUsage) ? kExitOk : kExitWriteFailed;
        std::string value;
        bool haveValue = false;
        if (const auto eq = name.find('='); eq != std::string::npos && name.starts_with("--")) {
            value = name.substr(eq + 1);
            name.resize(eq);
            haveValue = true;
        }
        const bool flag = name == "--remind" || name == "--dry-run";
        if (!flag && name != "--data" && name != "--now" && name != "--password")
            return fail(name.starts_with("--") ? "Die Option " + QuotedPiece(name) + " gibt es zu --remind nicht."
                                               : "Unerwartetes Argument " + QuotedPiece(name) + ".");
        if (!given.insert(name).second) return fail("Die Option " + name + " ist zweimal angegeben.");
        if (flag) {
            if (haveValue) return fail("Die Option " + name + " hat keinen Wert.");
            dryRun = dryRun || name == "--dry-run";
            continue;
        }
        if (!haveValue) {
            if (i + 1 >= args.size()) return fail("Zur Option " + name + " fehlt der Wert.");
            value = args[++i];
        }
        if (name == "--data") folder = value;
        if (name == "--password") password = value;
        if (name == "--now") {
            const auto t = ParseNow(value);
            if (!t) return fail(QuotedPiece(value) + " ist keine gültige Zeit (erwartet \"JJJJ-MM-TT HH:MM\") bei --now.");
            now = *t;
        }
    }
    if (folder.empty()) return fail("--remind braucht --data ORDNER (den Ordner mit „Einstellungen.dat“).");
    if (Utf8CharacterCount(password) > static_cast<std::size_t>(kMaxPasswordLength))
        return fail("Das Passwort ist länger als 32 Zeichen.");

    ReminderFolderData data;
    std::string error;
    if (!LoadReminderFolder(folder, password, CivilOf(BerlinMomentOf(now).day).year, data, error)) return fail(error);
    if (!data.reminders.enabled) {
        // The timer's run stays silent; a person asking is told why nothing comes.
        if (!dryRun) return kExitOk;
        return out("Die Erinnerungen sind ausgeschaltet („Erinnerungen = nein“ in " + data.settingsFolder +
                   kReminderSettingsFileName + ").\n")
                   ? kExitOk
                   : kExitWriteFailed;
    }
    const ReminderInput input = ReminderInputFor(data.reminders, data.Plan(), now);
    if (dryRun) {
        const std::vector<DueReminder> pending = PendingReminders(data.settingsFolder, input, now);
        std::string text = pending.empty() ? std::string("Jetzt ist keine Erinnerung fällig.\n") : std::string{};
        for (const DueReminder& r : pending) text += Describe(r);
        return out(text) ? kExitOk : kExitWriteFailed;
    }
    const ReminderRound round = SendDueReminders(data.settingsFolder, input, now, send);
    if (round.busy)
        return fail("Der Ordner ist von einem anderen Erinnerungslauf belegt; die Erinnerungen kommen beim nächsten Lauf.");
    std::string text;
    for (const DueReminder& r : round.sent) text += "Gesendet: " + Describe(r);
    if (!text.empty() && !out(text)) return kExitWriteFailed;
    int status = kExitOk;
    if (round.failed > 0) {
        err += std::string(kPrefix) + std::to_string(round.failed) +
               (round.failed == 1 ? " Erinnerung konnte" : " Erinnerungen konnten") +
               " nicht angezeigt werden; sie kommen beim nächsten Lauf, solange noch Zeit ist.\n";
        status = kExitWriteFailed;
    }
    if (round.notRemembered) {
        err += std::string(kPrefix) + "Die gesendeten Erinnerungen ließen sich nicht in " +
               QuotedPathPiece(data.settingsFolder + kSentRemindersFileName) + " vermerken.\n";
        status = kExitWriteFailed;
    }
    return status;
}

}  // namespace sk
