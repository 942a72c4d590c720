#include "ical/PhoneExport.h"

#include <algorithm>

#include "base/FileIO.h"
#include "shift/OwnShiftPlan.h"

namespace sk {

namespace {

std::string AsciiName(const std::string& crewName) {
    std::string name;
    for (std::size_t i = 0; i < crewName.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(crewName[i]);
        if (crewName.compare(i, 2, "ü") == 0) { name += "ue"; ++i; }
        else if (crewName.compare(i, 2, "ä") == 0) { name += "ae"; ++i; }
        else if (crewName.compare(i, 2, "ö") == 0) { name += "oe"; ++i; }
        else if (crewName.compare(i, 2, "ß") == 0) { name += "ss"; ++i; }
        else if (std::isalnum(c) && c < 0x80) name += static_cast<char>(c);
        else if (c == ' ' || c == '-') name += '_';
    }
    return name;
}

DayNumber LastOfMonth(DayNumber d) {
    const CivilDate c = CivilOf(d);
    return DayNumberOf(c.year, c.month, MonthLength(c.year, c.month - 1));
}

std::string MonthText(DayNumber d) { return IsoDateText(d).substr(0, 7); }

}  // namespace

std::string PhoneExportFileName(const std::string& crewName, DayNumber from, DayNumber to) {
    const CivilDate a = CivilOf(from), b = CivilOf(to);
    std::string range;
    if (a.year == b.year && a.month == 1 && a.day == 1 && b.month == 12 && b.day == 31)
        range = std::to_string(a.year);
    else if (a.day == 1 && to == LastOfMonth(to))
        range = MonthText(from) + (MonthText(from) == MonthText(to) ? "" : "-bis-" + MonthText(to));
    else
        range = IsoDateText(from) + (from == to ? "" : "-bis-" + IsoDateText(to));
    return "Schichtplan-" + AsciiName(crewName) + "-" + range + ".ics";
}

PhoneExportForm DefaultPhoneExportForm(int calendarType, int homeCrew, DayNumber today, const std::string& homeDir,
                                       const OwnShiftPlan* ownPlan) {
    PhoneExportForm form;
    if (calendarType == kOwnPlanCalendarType) {
        if (ownPlan)
            for (int k = 0; k < ownPlan->CrewCount(); ++k) form.crewNames.push_back(ownPlan->crews[k].name);
    } else if (IsValidCalendarType(calendarType)) {
        const int crews = IsFourCrewType(calendarType) ? 4 : CrewCountOf(calendarType);
        for (int k = 0; k < crews; ++k) form.crewNames.emplace_back(CrewNameOf(calendarType, k));
    }
    form.crew = form.crewNames.empty() ? 0 : std::clamp(homeCrew, 0, static_cast<int>(form.crewNames.size()) - 1);
    form.homeCrew = homeCrew;
    const DayRange range = WholeMonthsFrom(today);
    form.from = range.first;
    form.to = range.last;
    std::string dir = homeDir;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    if (!form.crewNames.empty()) form.path = dir + PhoneExportFileName(form.crewNames[form.crew], form.from, form.to);
    return form;
}

bool PhoneExportTakesMarks(const PhoneExportForm& form, int calendarType) {
    return MarksBelongToCrew(calendarType, form.crew, form.homeCrew);
}

std::string PhoneExportMarksHint(const PhoneExportForm& form) {
    const bool known = form.homeCrew >= 0 && form.homeCrew < static_cast<int>(form.crewNames.size());
    return "Die Schichtmarkierungen sind Ihre eigenen: Sie kommen nur in die Datei Ihrer Stammschicht" +
           (known ? " „" + form.crewNames[static_cast<std::size_t>(form.homeCrew)] + "“" : std::string()) +
           " (festgelegt im Fenster der Minus- und Plusstunden).";
}

std::string PhoneExportReplaceQuestion(const std::string& path) {
    return "Die Datei „" + path + "“ gibt es schon. Soll sie überschrieben werden?";
}

PlanIcsRequest PhoneExportRequest(const PhoneExportForm& form, PlanIcsRequest base) {
    base.crew = form.crew;
    base.from = form.from;
    base.to = form.to;
    base.withVacationBlock = form.vacationBlock;
    if (!form.marks) base.marks = nullptr;
    base.marksAreOwn = PhoneExportTakesMarks(form, base.calendarType);
    base.alarmMinutes = form.alarmMinutes;
    return base;
}

std::string WritePhoneExport(const PhoneExportForm& form, const PlanIcsRequest& base, DateValue stamp) {
    if (form.crewNames.empty() || form.crew < 0 || form.crew >= static_cast<int>(form.crewNames.size()))
        return "Für diese Schichtart gibt es keine Schicht zum Exportieren.";
    if (form.from > form.to) return "Der erste Tag liegt nach dem letzten.";
    if (form.path.empty()) return "Bitte eine Zieldatei wählen.";
    const std::string text = PlanIcs(PhoneExportRequest(form, base), stamp);
    if (text.empty()) return "Für diese Schicht ließ sich kein Kalender erzeugen.";
    if (!WriteFileAtomically(form.path, text)) return "Die Datei „" + form.path + "“ ließ sich nicht schreiben.";
    return {};
}

std::string PhoneExportDoneText(const std::string& path) {
    return "Der Schichtplan wurde in der Datei „" + path +
           "“ gespeichert. Aufs Handy kommt er, indem Sie die Datei per E-Mail, Messenger oder USB-Kabel "
           "übertragen und dort mit der Kalender-App öffnen.";
}

}  // namespace sk
