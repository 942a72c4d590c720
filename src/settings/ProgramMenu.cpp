#include "settings/ProgramMenu.h"

#include <algorithm>
#include <cmath>

#include "base/Latin1.h"

#include "shift/CalendarTypes.h"

namespace sk {

const ProgramMenuEntry kProgramMenuEntries[kProgramMenuEntryCount] = {
    {"Kalender", "Wähle die Art des Schichtkalenders", 'K', ProgramMenuAction::kCalendarType},
    {"Eigener Schichtplan", "Einen eigenen Schichtplan festlegen: Schichtfolge, Schichtzeiten und Schichten", 'G',
     ProgramMenuAction::kOwnPlan},
    {"Schriftart", "Neue Schriftart wählen", 'S', ProgramMenuAction::kFont},
    {"Hintergrundfarbe", "Hintergrundfarbe zum Ausdrucken einer Bilschirmkopie ändern", 'H',
     ProgramMenuAction::kBackground},
    {"Stunden", "Eingabe der Minus- bzw. Plusstunden", 'P', ProgramMenuAction::kHours},
    {"Urlaub", "Eingabe des Resturlaubs", 'U', ProgramMenuAction::kVacation},
    {"Verzeichnis", "Ein neues Programmverzeichnis wählen", 'V', ProgramMenuAction::kDataDirectory},
    {"Einstellungen", "Ändern der Programmeinstellungen", 'E', ProgramMenuAction::kSettings},
    {"Info", "Informationstext zur Programmbedienung", 'I', ProgramMenuAction::kInfo},
    {"Drucken", "Den angezeigten Kalender drucken oder als PDF speichern (Strg+P)", 'D', ProgramMenuAction::kPrint},
    {"Für Kalender-App exportieren...", "Die Schichten einer Schicht als Kalenderdatei (.ics) für Handy und "
     "Kalenderprogramme speichern", 'X', ProgramMenuAction::kPhoneExport},
    {"Erinnerungen", "Erinnerung am Vortag einer Schicht und an Jahrestage, auch bei geschlossenem Programm", 'R',
     ProgramMenuAction::kReminders},
    {"Kalender-Abgleich...", "Die Schichten mit einem Kalender auf einem CalDAV-Server abgleichen, den das Handy "
     "liest", 'A', ProgramMenuAction::kCalDavSync},
};

std::optional<ProgramMenuAction> ProgramMenuActionForKey(unsigned key) {
    // Key values of the letters are their ASCII codes.
    if (key >= 'a' && key <= 'z') key = key - 'a' + 'A';
    for (const ProgramMenuEntry& e : kProgramMenuEntries)
        if (static_cast<unsigned>(e.key) == key) return e.action;
    return std::nullopt;
}

bool ProgramMenuEntryEnabled(ProgramMenuAction action, int calendarType) {
    return !(action == ProgramMenuAction::kBackground && IsHalfYearView(calendarType));
}

int ButtonColumnExtraUnits(const std::vector<std::string_view>& labels) {
    // A character is about one unit wide, and a button needs one unit besides its label.
    int widest = 0;
    for (std::string_view label : labels) widest = std::max(widest, static_cast<int>(Utf8CharacterCount(label)));
    return std::max(0, widest + 1 - kButtonColumnUnits);
}

ButtonColumnGeometry ButtonColumn(int u, int r, int buttons, int extraUnits) {
    ButtonColumnGeometry g{};
    g.frameX = u;
    g.frameY = r;
    g.frameWidth = static_cast<int>(std::nearbyint(22.5 * u)) + extraUnits * u;
    g.frameHeight = static_cast<int>(std::nearbyint((2.0 * buttons + 1.5) * r - r / 3.0));
    g.buttonX = u;
    g.buttonWidth = (kButtonColumnUnits + extraUnits) * u;
    g.buttonHeight = static_cast<int>(std::nearbyint(1.8 * r));
    return g;
}

}  // namespace sk
