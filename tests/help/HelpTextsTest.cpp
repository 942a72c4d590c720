#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "help/HelpTexts.h"
#include "marks/ShiftMarkCodes.h"
#include "shift/CalendarTypes.h"

namespace sk {
namespace {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t pos; (pos = text.find("\r\n", start)) != std::string_view::npos; start = pos + 2)
        lines.emplace_back(text.substr(start, pos - start));
    lines.emplace_back(text.substr(start));
    return lines;
}

std::string_view TextOf(const char* title) {
    const HelpText* h = FindHelpText(title);
    return h ? std::string_view(h->text) : std::string_view();
}

// Characters as the window counts them: UTF-8 continuation bytes do not start one.
int CodePoints(std::string_view s) {
    return static_cast<int>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Key lines are written 'K' = meaning; a line may name several keys before the "=".
std::vector<std::string> KeysOfLine(const std::string& line) {
    std::vector<std::string> keys;
    const size_t eq = line.find("' = ");
    if (line.empty() || line[0] != '\'' || eq == std::string::npos) return keys;
    for (size_t open = 0; open <= eq; ) {
        const size_t close = line.find('\'', open + 1);
        keys.push_back(line.substr(open + 1, close - open - 1));
        open = line.find('\'', close + 1);
        if (open == std::string::npos || open > eq) break;
    }
    return keys;
}

TEST(HelpTexts, ShortTextsWordForWord) {
    struct Case { const char* title; std::vector<std::string> lines; };
    const Case cases[] = {
        {"Benutzername und Passwort",
         {"Benutzername und Passwort", "",
          "Die Eingabe eines Benutzers ist für Arbeitsplätze mit mehreren Anwendern gedacht. Die",
          "Einstellungen, Notizen und Markierungen werden nach dem Anmelden unter diesen Namen gesondert",
          "abgespeichert.", "",
          "Wird ein Passwort eingegeben, wird dieses verwendet um die Notizen damit zu verschlüsseln.",
          "Ansonsten bietet ein Passwort keinen Schutz für die persönlichen Einstellungen und Eintragungen.",
          "Das Passwort wird nicht abgespeichert. Es erfolgt keine Überprüfung bei der Eingabe. Es ist",
          "dementsprechend Vorsicht geboten um die eingegebenen Notizen lesbar zur erhalten."}},
        {"Kalendermarkierung",
         {"Die Wahl des Menüs erfolgt mit der Taste 'K' oder über das Menü 'Notiz' und 'Kalendermarkierung'. Damit",
          "kann ein Balken in beliebiger Farbe und Länge im Kalender angezeigt werden. Das Start- und Enddatum des",
          "Balkens werden im Menü eingegeben. Es können beliebig viele Balken angezeigt werden, deren Daten sich",
          "jedoch nicht überlappen dürfen.",
          "Zum Ändern oder Löschen eines Balkens einen überstreichenden Tag mit dem Cursor anfahren und das Menü",
          "aufrufen."}},
        {"Programminfo",
         {"Velmo Haldenau Schichtkalender für die Jahre von 1970 bis 2037", "", "Version: 20170430", "",
          "Beim Start wird der aktuelle Monat in der ersten Spalte links angezeigt. Der Cursor befindet",
          "über dem aktuellen Tag.", "",
          "Mit der Menüzeile oben wird das Programm gesteuert. Die Menüpunkte entsprechen den F-Tasten.", "",
          "Die unteren Zeilen zeigen die Informationen zum Tag, die für den Tag eingetragenen",
          "Notizen und einige astronomische Daten an. Ein Mausklick auf die zweite Zeile öffnet ein",
          "Fenster zur vollständigen Anzeige der Notizen zum gewählten Tag.", "",
          "Den rechten Abschluss der Zeilen bilden die Anzeigen der Minusstunden und Resturlaubstage.", "",
          "Viel Spaß!"}},
    };
    for (const Case& c : cases) {
        std::string expected;
        for (size_t i = 0; i < c.lines.size(); ++i) expected += (i ? "\r\n" : "") + c.lines[i];
        EXPECT_EQ(TextOf(c.title), expected) << c.title;
    }
}

TEST(HelpTexts, TitlesHeightsAndLookup) {
    const std::pair<const char*, int> expected[kHelpTextCount] = {
        {"Benutzername und Passwort", 13}, {"Programm", 39}, {"Kalendermarkierung", 9},
        {"Programmeinstellungen", 39}, {"Programminfo", 22}, {"Infos zu den Notizen und Markierungen", 39},
        {"Schichtmarkierung", 39}, {"Tastaturbelegung", 38}};
    for (int i = 0; i < kHelpTextCount; ++i) {
        EXPECT_STREQ(kHelpTexts[i].title, expected[i].first);
        EXPECT_EQ(kHelpTexts[i].heightRows, expected[i].second) << expected[i].first;
        EXPECT_EQ(FindHelpText(expected[i].first), &kHelpTexts[i]);
    }
    for (const char* unknown : {"", "programm", "Programm ", "Info"}) EXPECT_EQ(FindHelpText(unknown), nullptr);
}

TEST(HelpTexts, OnlyCrLfBreaksAndLinesFitTheWindow) {
    for (const HelpText& h : kHelpTexts) {
        const std::string_view t = h.text;
        for (size_t i = 0; i < t.size(); ++i) {
            if (t[i] == '\r') {
                EXPECT_TRUE(i + 1 < t.size() && t[i + 1] == '\n') << h.title << " at " << i;
            }
            if (t[i] == '\n') {
                EXPECT_TRUE(i > 0 && t[i - 1] == '\r') << h.title << " at " << i;
            }
        }
        EXPECT_FALSE(t.ends_with("\r\n")) << h.title;
        for (const std::string& line : Lines(t)) {
            EXPECT_LE(CodePoints(line), 110) << h.title << ": " << line;
            EXPECT_FALSE(!line.empty() && line.back() == ' ') << h.title << ": " << line;
        }
    }
}

TEST(HelpTexts, LongTextsStartWithTheirFirstLineAndHoldTheirHeadingsInOrder) {
    struct Case { const char* title; std::vector<std::string> lines; };  // first line, then the headings
    const Case cases[] = {
        {"Programm", {"Kalender", "Eigener Schichtplan", "Schriftart", "Hintergrundfarbe", "Stunden", "Urlaub", "Verzeichnis",
                      "Einstellungen", "Info"}},
        {"Programmeinstellungen",
         {"Um die Auf- und Untergangszeiten berechnen zu können, sind die Koordinaten des Ortes notwendig.",
          "Breitengrad", "Längengrad", "Zeitzone", "Sommerzeit", "Bürgerliche Dämmerung", "Nautische Dämmerung",
          "Astronomische Dämmerung", "Mondphasen", "Finsternisse", "Mondnähe und Mondferne", "Wochennummer",
          "Schulferien", "Bundesland", "Frühester Urlaubsbeginn", "Reihenfolge der Schichten", "Sollstunden"}},
        {"Infos zu den Notizen und Markierungen",
         {"Die Notizen werden in der unteren Statuszeile angezeigt wenn der Cursor auf einen Tag mit einer",
          "1. Die Tagesnotiz", "2. Die periodische Notiz", "3. Die jährliche Notiz",
          "4. Ein bestimmter Wochentag im Monat.", "Löschen", "'T' = Tagesnotiz"}},
        {"Schichtmarkierung",
         {"Mit einem Doppelklick, oder mit den Tasten '1', '2', '3'  und '4' öffnet sich das Eingabefenster für",
          "Die Zeichen sind gedacht für:", "Minus- und Plusstunden", "Resturlaub", "Die Stammschicht"}},
        {"Tastaturbelegung",
         {"Das Programm ist fast vollständig mit der Tastatur bedienbar. Die Tastenbelegung ist wie folgt:",
          "'Esc' = Verlassen eines Fensters bzw. des Programms.",
          "'F' = Frühest möglicher Beginn des Blockurlaubes. Die Änderung wird nicht gespeichert"}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines = Lines(TextOf(c.title));
        ASSERT_FALSE(lines.empty()) << c.title;
        EXPECT_EQ(lines.front(), c.lines.front()) << c.title;
        auto at = lines.begin();
        for (const std::string& heading : c.lines) {
            const auto found = std::find(at, lines.end(), heading);
            EXPECT_NE(found, lines.end()) << c.title << ": missing or out of order: " << heading;
            if (found != lines.end()) at = found + 1;
        }
    }
    EXPECT_EQ(Lines(TextOf("Tastaturbelegung")).back(),
              "'F' = Frühest möglicher Beginn des Blockurlaubes. Die Änderung wird nicht gespeichert");
}

// Every key of the main window with a word its meaning must mention.
TEST(HelpTexts, KeyboardTextNamesExactlyTheMainWindowKeys) {
    const std::vector<std::pair<std::string, std::string>> mainKeys = {
        {"Esc", "Verlassen"}, {"Pos1", "heutigen Tag"}, {"Pfeil rechts", "rechts"}, {"Pfeil links", "links"},
        {"Pfeil hoch", "oben"}, {"Pfeil runter", "unten"}, {"F1", "Jahr zurück"}, {"F2", "Monat zurück"},
        {"F3", "Monat vor"}, {"F4", "Jahr vor"}, {"F5", "Seite zurück"}, {"Bild auf", "Seite zurück"},
        {"F6", "heutigen Tag"}, {"F7", "Seite vor"}, {"Bild ab", "Seite vor"}, {"F8", "Datum"},
        {"F9", "Notiz"}, {"F10", "Prog."}, {"F11", "Anmelden"}, {"F12", "Info"}, {"+", "Mehr Monate"},
        {"-", "Weniger Monate"}, {"1", "Frühschicht"}, {"2", "Spätschicht"}, {"3", "Nachtschicht"},
        {"4", "Verfügung"}, {"T", "Tagesnotiz"}, {"P", "Periodische Notiz"}, {"J", "Jährliche Notiz"},
        {"W", "Wochentag im Monat"}, {"U", "Übersicht"}, {"K", "Kalendermarkierung"}, {"L", "Löschen"},
        {"I", "Programminfo"}, {"A", "Anmelden"}, {"D", "Datum"}, {"S", "Schriftart"},
        {"E", "Programmeinstellungen"}, {"H", "Hintergrundfarbe"}, {"N", ""}, {"M", ""}, {"B", ""}, {"X", ""},
        {"V", ""}, {"C", ""}, {"G", "Eigener Plan"}, {"Z", "Zwischenablage"}, {"Y", "Reihenfolge der Schichten"},
        {"F", "Blockurlaub"}, {"Strg+P", "Drucken"}};
    std::set<std::string> seen;
    for (const std::string& line : Lines(TextOf("Tastaturbelegung"))) {
        for (const std::string& key : KeysOfLine(line)) {
            EXPECT_TRUE(seen.insert(key).second) << "named twice: " << key;
            const auto it = std::find_if(mainKeys.begin(), mainKeys.end(), [&](auto& k) { return k.first == key; });
            ASSERT_NE(it, mainKeys.end()) << "not a key of the main window: " << key;
            EXPECT_NE(line.find(it->second), std::string::npos) << line;
            // A type key names the plan it selects, and the second plan when it toggles.
            if (key.size() == 1 && CalendarTypeForKey(key[0], -1) != -1) {
                for (int from : {-1, 0, 1}) {
                    const int type = CalendarTypeForKey(key[0], from);
                    EXPECT_NE(line.find(kCalendarTypes[type].label), std::string::npos) << line;
                }
            }
        }
    }
    for (const auto& [key, word] : mainKeys) EXPECT_TRUE(seen.count(key)) << "key missing: " << key;
}

TEST(HelpTexts, ShiftMarkLettersAreThoseOfTheMarkWindow) {
    const std::vector<std::string> lines = Lines(TextOf("Schichtmarkierung"));
    auto it = std::find(lines.begin(), lines.end(), "Die Zeichen sind gedacht für:");
    ASSERT_NE(it, lines.end());
    const std::vector<std::string_view> options = ShiftMarkOptionTexts(0);
    for (int code = 0; code < ShiftMarkDeleteCode(0); ++code) {
        ASSERT_NE(++it, lines.end());
        EXPECT_EQ(KeysOfLine(*it), std::vector<std::string>{std::string(ShiftMarkLetter(0, code))}) << *it;
        std::string option(options[code]);
        if (const size_t paren = option.find(" ("); paren != std::string::npos) option.resize(paren);
        EXPECT_NE(it->find(option), std::string::npos) << *it;
    }
}

TEST(HelpTexts, NoteMenuKeysAndTypeKeysOfTheProgramMenu) {
    const std::vector<std::string> lines = Lines(TextOf("Infos zu den Notizen und Markierungen"));
    auto it = std::find(lines.begin(), lines.end(), "'T' = Tagesnotiz");
    ASSERT_NE(it, lines.end());
    for (const char* key : {"T", "P", "J", "W", "K", "S", "L", "U", "I"}) {
        ASSERT_NE(it, lines.end());
        EXPECT_EQ(KeysOfLine(*it++), std::vector<std::string>{key});
    }

    const std::string_view program = TextOf("Programm");
    for (char key : {'X', 'C', 'V', 'B', 'N', 'M'}) {
        const std::string prefix = std::string("'") + key + "' = ";
        const size_t at = program.find(prefix);
        ASSERT_NE(at, std::string_view::npos) << key;
        const std::string_view line = program.substr(at, program.find("\r\n", at) - at);
        for (int from : {-1, 0, 1})
            EXPECT_NE(line.find(kCalendarTypes[CalendarTypeForKey(key, from)].label), std::string::npos) << line;
    }
    EXPECT_NE(program.find("gelöscht und\r\nüberschrieben"), std::string_view::npos);
}

TEST(InfoMenu, EntriesKeysAndWhatTheyOpen) {
    struct Case { char key; const char* label; int group; const char* title; };  // title nullptr: a list
    const Case cases[kInfoMenuEntryCount] = {
        {'M', "Jahresstunden", 1, nullptr}, {'S', "Schulferien", 1, nullptr}, {'F', "Feiertage", 1, nullptr},
        {'P', "Programm", 2, "Programminfo"}, {'T', "Tastaturbelegung", 2, "Tastaturbelegung"},
        {'I', "Schichtmarkierung", 2, "Schichtmarkierung"}, {'K', "Kalendermarkierung", 2, "Kalendermarkierung"},
        {'N', "Notizen", 2, "Infos zu den Notizen und Markierungen"}, {'R', "Prog. Menü", 2, "Programm"},
        {'A', "Name", 2, "Benutzername und Passwort"}, {'E', "Einstellungen", 2, "Programmeinstellungen"}};
    for (int i = 0; i < kInfoMenuEntryCount; ++i) {
        const Case& c = cases[i];
        const InfoMenuEntry& e = kInfoMenuEntries[i];
        EXPECT_EQ(e.key, c.key);
        EXPECT_STREQ(e.label, c.label);
        EXPECT_EQ(e.group, c.group) << c.label;
        for (char k : {c.key, static_cast<char>(c.key - 'A' + 'a')}) {
            const auto action = InfoMenuActionForKey(k);
            ASSERT_TRUE(action.has_value()) << k;
            EXPECT_EQ(*action, e.action) << k;
            const HelpText* h = HelpTextOfAction(*action);
            if (c.title) EXPECT_EQ(h, FindHelpText(c.title)) << c.label;
            else EXPECT_EQ(h, nullptr) << c.label;
        }
    }
    for (char k : {'B', 'X', 'Z', '1', ' ', '\0', '\x1b'}) EXPECT_FALSE(InfoMenuActionForKey(k).has_value()) << k;
}

}  // namespace
}  // namespace sk
