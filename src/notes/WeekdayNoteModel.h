#pragma once
// The window "Wochentag im Monat" without a display: the weekday-in-month
// notes the selected day carries, the occurrence and month chosen for the
// note, and what leaving writes.

#include <string>
#include <vector>

#include "calendar/Date.h"
#include "notes/NoteClosing.h"
#include "notes/NoteEditModel.h"
#include "notes/NoteStore.h"

namespace sk {

namespace weekday_texts {
inline constexpr const char* kTitle = "Wochentag im Monat";
inline constexpr const char* kEach = "Notiz jeden";
inline constexpr const char* kEveryMonthItem = "Monat";
inline constexpr const char* kShow = "anzeigen";
inline constexpr const char* kOverwriteQuestion =
    "Eine Datei mit der gewählten Wiederholung existiert bereits!\r\nSoll sie überschrieben werden?";
inline constexpr const char* kDeleteQuestion =
    "Eine Datei mit der gewählten Wiederholung existiert bereits!\r\nSoll sie gelöscht werden?";
}  // namespace weekday_texts

class WeekdayNoteModel : public NoteWindowModel {
public:
    // Opens on the first note the day carries, or with the day's own
    // occurrence ("letzten" in the last week of the month) and month.
    WeekdayNoteModel(const NoteStore& store, const DayContext& day);

    NoteEditModel& Edit() override { return edit_; }
    const NoteEditModel& Edit() const { return edit_; }
    int Entry() const { return k_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    std::string EntryLabel() const;
    int MonthSel() const { return monthSel_; }
    int Occurrence() const { return occurrence_; }
    int Weekday() const { return weekday_; }

    // "Montag im"
    std::string WeekdayLabel() const;
    // The month list: the day's month, then "Monat" (every month).
    std::vector<std::string> MonthItems() const;
    int MonthItem() const { return monthSel_ == kEveryMonth ? 1 : 0; }
    void ChooseMonthItem(int item);
    void ChooseOccurrence(int occurrence);

    // " < " (-1) and " > " (+1): true when another note was loaded; its text
    // becomes the reference for "Alles zurück" and the question on leaving.
    bool Step(const NoteStore& store, int delta);

    // The text, the occurrence or the month changed.
    bool HasChanges() const override;
    bool WouldSave() const override;
    // Asks before overwriting (or, with an empty text, deleting) another
    // note than the one loaded.
    std::string TargetQuestion(const NoteStore& store) const override;
    bool Save(NoteStore& store) const override;

private:
    void LoadEntry(const NoteStore& store);
    bool ChoicesMoved() const { return monthSel_ != loadedMonthSel_ || occurrence_ != loadedOccurrence_; }

    DayContext day_;
    int weekday_ = 0;
    std::vector<int> entries_;
    NoteEditModel edit_;
    int k_ = 1;
    int monthSel_ = 0;
    int occurrence_ = 0;
    int loadedMonthSel_ = 0;
    int loadedOccurrence_ = 0;
};

}  // namespace sk
