#include "remind/ReminderSources.h"

#include <filesystem>

#include "accounting/HoursAccount.h"
#include "base/FileIO.h"
#include "base/Latin1.h"
#include "ical/CrewEvents.h"
#include "ical/PlanIcs.h"
#include "notes/YearMarkers.h"
#include "settings/SettingsStorage.h"
#include "settings/Users.h"
#include "shift/CalendarTypes.h"
#include "shift/OwnShiftPlanFile.h"

namespace sk {

namespace {

// Enciphered notes are three decimal digits a character.
bool LooksEnciphered(std::string_view stored) {
    return !stored.empty() && stored.size() % 3 == 0 &&
           stored.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::optional<std::string> ReminderCrewName(const ReminderPlan& plan) {
    if (plan.calendarType == kOwnPlanCalendarType) {
        if (!plan.ownPlan || plan.crew < 0 || plan.crew >= plan.ownPlan->CrewCount()) return std::nullopt;
        return plan.ownPlan->crews[plan.crew].name;
    }
    if (ParseCrewArgument(plan.calendarType, std::to_string(plan.crew + 1)) != plan.crew) return std::nullopt;
    return std::string(CrewNameOf(plan.calendarType, plan.crew));
}

std::string YearlyNoteReminderText(std::string_view storedText, int year, bool withPassword) {
    if (!withPassword && LooksEnciphered(storedText)) return "Jährliche Notiz (verschlüsselt)";
    return InsertYears(storedText, year);
}

ReminderInput ReminderInputFor(const ReminderSettings& settings, const ReminderPlan& plan, DateValue now) {
    ReminderInput in;
    in.settings = settings;
    if (!settings.enabled) return in;
    const ReminderDays days = ReminderDaysAround(now);
    const std::optional<std::string> crewName = ReminderCrewName(plan);
    if (crewName) {
        in.crewText = ReminderCrewText(*crewName);
        CrewEventRequest request;
        request.from = days.first;
        request.to = days.last;
        request.calendarType = plan.calendarType;
        request.crew = plan.crew;
        request.ownPlan = plan.ownPlan;
        request.vacationStartMonth = plan.vacationStartMonth;
        request.vacationStartDay = plan.vacationStartDay;
        request.vacationOrder = plan.vacationOrder;
        request.withVacationBlock = false;
        request.marks = plan.marks;
        request.marksAreOwn = MarksBelongToCrew(plan.calendarType, plan.crew, plan.crew);
        for (const CrewEvent& e : CrewEventsOf(request)) {
            if (e.kind != CrewEventKind::Shift) continue;
            in.shifts.push_back(ShiftAppointment{e.day, e.startMinute, e.summary,
                                                 ShiftTimesText(e.startMinute, e.endMinute)});
        }
    }
    if (plan.notes && settings.yearlyNotes) {
        for (DayNumber d = days.first; d <= days.last; ++d) {
            if (!IsCalendarDay(d)) continue;
            const DayContext ctx = MakeDayContext(d);
            if (!plan.notes->HasYearlyNote(ctx)) continue;
            const std::string text = plan.notes->ReadYearlyNote(ctx);
            if (text.empty()) continue;
            in.yearlyNotes.push_back(YearlyNoteOfDay{d, YearlyNoteReminderText(text, ctx.year, plan.withPassword)});
        }
    }
    return in;
}

ReminderPlan ReminderFolderData::Plan() const {
    ReminderPlan plan;
    plan.calendarType = settings.calendarType;
    plan.crew = homeCrew;
    plan.ownPlan = ownPlan ? &*ownPlan : nullptr;
    plan.vacationStartMonth = settings.vacationStartMonth;
    plan.vacationStartDay = settings.vacationStartDay;
    plan.vacationOrder = vacationOrder;
    plan.marks = &marks;
    plan.notes = &notes;
    plan.withPassword = withPassword;
    return plan;
}

bool LoadReminderFolder(const std::string& settingsFolder, std::string_view password, int currentYear,
                        ReminderFolderData& data, std::string& error) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::absolute(settingsFolder, ec).lexically_normal();
    std::string userName = folder.filename().string();
    if (userName.empty()) userName = folder.parent_path().filename().string();  // "…/Programm/"
    if (ec || !std::filesystem::is_directory(folder, ec) || userName.empty()) {
        error = "Der Ordner " + QuotedPathPiece(settingsFolder) + " existiert nicht oder ist kein Ordner.";
        return false;
    }
    std::string base = folder.string();
    if (!base.empty() && base.back() == '/') base.pop_back();
    base = base.substr(0, base.size() - userName.size());
    data.settingsFolder = SettingsFolder(base, userName);
    const ReminderSettingsRead read = LoadReminderSettings(data.settingsFolder);
    if (!read.error.empty()) {
        error = read.error;
        return false;
    }
    data.reminders = read.settings;
    data.settings = Settings{};
    data.settings.userName = userName;
    LoadSettings(data.settings, base, data.vacationOrder, currentYear);
    data.dataFolder = UserDataFolder(data.settings, base);
    data.marks.Load(data.dataFolder);
    HoursRecord hours;
    LoadHours(data.dataFolder, hours);
    data.homeCrew = hours.homeCrew;
    data.ownPlan = LoadOwnShiftPlan(data.dataFolder).plan;
    data.notes = NoteStore(data.dataFolder, password);
    data.notes.ScanYearlyNotes();
    data.withPassword = !password.empty();
    return true;
}

}  // namespace sk
