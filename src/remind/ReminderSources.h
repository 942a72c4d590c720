#pragma once
// Where the reminders come from: the shifts of the user's crew from the one
// crew-event model the calendar file uses (so Sunday times, days off by
// marks and deviating shifts are judged once, there), and the yearly notes.

#include <optional>
#include <string>
#include <string_view>

#include "marks/ShiftMarks.h"
#include "notes/NoteStore.h"
#include "remind/ReminderRules.h"
#include "settings/Settings.h"
#include "shift/OwnShiftPlan.h"
#include "shift/VacationBlock.h"

namespace sk {

// Whose shifts and which notes: the plan type in use and the home crew
// ("Stammschicht"; of the own plan, its crew chosen there).
struct ReminderPlan {
    int calendarType = 0;
    int crew = 0;
    const OwnShiftPlan* ownPlan = nullptr;
    int vacationStartMonth = kDefaultVacationStartMonth;
    int vacationStartDay = kDefaultVacationStartDay;
    VacationOrderTables vacationOrder = MakeDefaultVacationOrderTables();
    const ShiftMarkList* marks = nullptr;
    const NoteStore* notes = nullptr;  // its yearly-note index scanned
    // Whether the notes are read with the user's password; without it an
    // enciphered note is not shown, only announced.
    bool withPassword = true;
};

// The crew's name in the plan; nothing when the type (or the missing own
// plan) has no such crew, so there are no shift reminders.
std::optional<std::string> ReminderCrewName(const ReminderPlan& plan);

// The appointments and notes of the days a run at `now` looks at.
ReminderInput ReminderInputFor(const ReminderSettings& settings, const ReminderPlan& plan, DateValue now);

// A yearly note as its reminder shows it: the years inserted for `year`. A
// note read without its password (three digits a character) is announced
// without its text.
std::string YearlyNoteReminderText(std::string_view storedText, int year, bool withPassword);

// What the background helper reads, from the user's settings folder
// (base data folder + user name, where "Einstellungen.dat" is): the
// settings, and from the user data folder (the same unless a shared one is
// chosen) the marks, the home crew, the own plan and the yearly notes.
struct ReminderFolderData {
    std::string settingsFolder;
    std::string dataFolder;
    ReminderSettings reminders;
    Settings settings;
    VacationOrderTables vacationOrder = MakeDefaultVacationOrderTables();
    ShiftMarkList marks;
    std::optional<OwnShiftPlan> ownPlan;
    NoteStore notes;
    int homeCrew = 0;
    bool withPassword = false;
    ReminderPlan Plan() const;
};
// False with a German message when the folder or its reminder file cannot be used.
bool LoadReminderFolder(const std::string& settingsFolder, std::string_view password, int currentYear,
                        ReminderFolderData& data, std::string& error);

}  // namespace sk
