#include "calendar/SchoolHolidayWindowModel.h"

#include <algorithm>

#include "calendar/SchoolHolidayStore.h"

namespace sk {

SchoolHolidayListContent SchoolHolidayListFor(const SchoolHolidayCalendar& calendar, int year) {
    SchoolHolidayListContent content;
    if (const auto rows = calendar.Rows(year)) content.rows.assign(rows->begin(), rows->end());
    for (SchoolHolidayRow& row : calendar.FurtherRows(year)) content.rows.push_back(std::move(row));
    if (content.rows.empty()) {
        content.note = "Keine Termine für " + std::to_string(year) + " vorhanden – Termine mit „Aus Datei laden…“ ergänzen";
    }
    return content;
}

YearRange SchoolHolidaySpinRange(int currentYear, int openingYear) {
    const YearRange usual = SchoolHolidayYearRange(currentYear);
    return {std::min(usual.first, openingYear), std::max(usual.last, openingYear)};
}

SchoolHolidayImportMessage DescribeSchoolHolidayImport(const SchoolHolidayImport& import,
                                                       const SchoolHolidayImportPlan& plan) {
    SchoolHolidayImportMessage m;
    if (!plan.error.empty()) {
        m.title = "Fehler";
        m.heading = plan.error + "\nEs wurde nichts übernommen; die bisherigen Ferientermine bleiben.";
        return m;
    }
    m.lines = SchoolHolidayPlanLines(plan);
    if (!import.unclassified.empty()) {
        m.lines.push_back("");
        m.lines.push_back("Nicht zuzuordnen und daher weggelassen:");
        for (const std::string& name : import.unclassified) m.lines.push_back("„" + name + "“");
    }
    if (plan.changes == 0) {
        m.title = "Info";
        m.heading = "Die Datei enthält keine neuen Ferientermine.";
        return m;
    }
    m.title = "Frage";
    m.heading = "Gefundene Ferientermine:";
    m.lines.push_back("");
    m.lines.push_back(std::to_string(plan.changes) + (plan.changes == 1 ? " Termin" : " Termine") +
                      " übernehmen?");
    m.ask = true;
    return m;
}

std::optional<SchoolHolidayCalendar> TakeSchoolHolidayImport(const std::string& folder,
                                                             const SchoolHolidayImportPlan& plan,
                                                             const SchoolHolidayCalendar& current) {
    if (!plan.error.empty() || !SaveStoredSchoolHolidays(folder, plan.stored)) return std::nullopt;
    return current.WithStored(plan.stored);
}

}  // namespace sk
