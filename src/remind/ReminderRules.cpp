#include "remind/ReminderRules.h"

#include <algorithm>

#include "base/TrimBlanks.h"
#include "remind/LocalClock.h"

namespace sk {

namespace {

std::string KeyDate(DayNumber d) { return IsoDateText(d); }

std::string ShiftKey(const ShiftAppointment& s, const char* kind) {
    return KeyDate(s.day) + " " + ClockText(s.startMinute) + " " + kind;
}

// "Heute", "Morgen", else the date: a reminder sent late says the truth.
std::string DayWord(DayNumber day, DayNumber today) {
    if (day == today) return "Heute";
    if (day == today + 1) return "Morgen";
    const CivilDate c = CivilOf(day);
    return "Am " + std::to_string(c.day) + "." + std::to_string(c.month) + ".";
}

std::string TrimLine(std::string_view s) {
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return std::string(TrimBlanks(s));
}

// The note's first line as the title, the other lines as the body.
void SplitNote(const std::string& text, std::string& first, std::string& rest) {
    std::vector<std::string> lines;
    std::string_view t = text;
    while (true) {
        const std::size_t end = t.find('\n');
        std::string line = TrimLine(t.substr(0, end));
        if (!line.empty()) lines.push_back(std::move(line));
        if (end == std::string_view::npos) break;
        t.remove_prefix(end + 1);
    }
    first = lines.empty() ? std::string{} : lines.front();
    rest.clear();
    for (std::size_t i = 1; i < lines.size(); ++i) rest += (i > 1 ? "\n" : "") + lines[i];
}

}  // namespace

ReminderDays ReminderDaysAround(DateValue now) {
    const DayNumber today = BerlinMomentOf(now).day;
    return {today - 1, today + 2};
}

std::string ReminderCrewText(const std::string& crewName) {
    if (crewName.rfind("Schicht", 0) == 0) return crewName;
    return "Schicht " + crewName;
}

std::vector<DueReminder> DueReminders(const ReminderInput& in, DateValue now, const SentReminders& sent) {
    std::vector<DueReminder> due;
    const ReminderSettings& s = in.settings;
    if (!s.enabled) return due;
    const DayNumber today = BerlinMomentOf(now).day;

    for (const ShiftAppointment& shift : in.shifts) {
        const DateValue start = BerlinInstantOf(shift.day, shift.startMinute);
        if (now >= start) continue;  // begun: nothing to remind of any more
        const std::string eveningKey = ShiftKey(shift, "vortag");
        const std::string beforeKey = ShiftKey(shift, "beginn");
        const DateValue eveningDue = BerlinInstantOf(shift.day - 1, s.eveningMinute);
        const DateValue beforeDue = start - static_cast<DateValue>(s.beforeStartMinutes) * 60;
        const bool eveningOpen = s.eveningBefore && now >= eveningDue && !sent.Contains(eveningKey);
        const bool beforeOpen = s.beforeStartMinutes > 0 && now >= beforeDue && !sent.Contains(beforeKey);
        if (!eveningOpen && !beforeOpen) continue;
        DueReminder r;
        r.day = shift.day;
        if (beforeOpen) {
            r.key = beforeKey;
            r.due = beforeDue;
            if (eveningOpen) r.covers.push_back(eveningKey);
        } else {
            r.key = eveningKey;
            r.due = eveningDue;
        }
        r.title = DayWord(shift.day, today) + " " + shift.name + " " + shift.timesText;
        if (!in.crewText.empty()) r.title += " (" + in.crewText + ")";
        r.body = LongDateText(MakeDayContext(shift.day));
        due.push_back(std::move(r));
    }

    if (s.yearlyNotes) {
        for (const YearlyNoteOfDay& note : in.yearlyNotes) {
            const DateValue from = BerlinInstantOf(note.day, s.yearlyMinute);
            const DateValue until = BerlinInstantOf(note.day + 1, 0);
            const std::string key = KeyDate(note.day) + " jahrestag";
            if (now < from || now >= until || sent.Contains(key)) continue;
            std::string first, rest;
            SplitNote(note.text, first, rest);
            if (first.empty()) continue;
            DueReminder r;
            r.key = key;
            r.day = note.day;
            r.due = from;
            r.title = "Heute: " + first;
            r.body = rest;
            due.push_back(std::move(r));
        }
    }
    std::stable_sort(due.begin(), due.end(), [](const DueReminder& a, const DueReminder& b) { return a.due < b.due; });
    return due;
}

}  // namespace sk
