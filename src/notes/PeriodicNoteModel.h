#pragma once
// The periodic-note window without a display: the notes of the selected day
// one at a time, the period they repeat with, and what leaving writes.

#include <cstdint>
#include <string>

#include "calendar/Date.h"
#include "notes/NoteClosing.h"
#include "notes/NoteEditModel.h"
#include "notes/NoteStore.h"

namespace sk {

namespace periodic_texts {
inline constexpr const char* kEvery = "Die Ausgabe dieser Notiz alle";
inline constexpr const char* kPeriodTip = "Eingabe der periodischen Wiederholung in Tagen";
inline constexpr const char* kDays = "Tage wiederholen";
inline constexpr const char* kOverwriteQuestion =
    "Eine Datei mit der gewählten Periode existiert bereits!\r\nSoll sie überschrieben werden?";
inline constexpr const char* kDeleteQuestion =
    "Eine Datei mit der gewählten Periode existiert bereits!\r\nSoll sie gelöscht werden?";
}  // namespace periodic_texts

inline constexpr int kFirstPeriod = 1;
inline constexpr int kLastPeriod = 365;
inline constexpr int kDefaultPeriod = 7;

// "Eintrag 1 von insgesamt 2"
std::string EntryLabelText(int k, int n);

class PeriodicNoteModel : public NoteWindowModel {
public:
    // Opens on the first periodic note of the day, or an empty text with
    // period 7. noteDateCode is the cell's, for the title.
    PeriodicNoteModel(const NoteStore& store, const DayContext& day, std::int32_t noteDateCode);

    NoteEditModel& Edit() override { return edit_; }
    const NoteEditModel& Edit() const { return edit_; }
    std::string Title() const { return title_; }
    int Entry() const { return k_; }
    int Count() const { return n_; }
    std::string EntryLabel() const { return EntryLabelText(k_, n_); }
    int Period() const { return period_; }

    void SetPeriod(int period);
    // " < " (-1) and " > " (+1): true when another note of the day was
    // loaded. Its text becomes the reference for "Alles zurück" and the
    // question on leaving, so neither can put the first note's text into
    // the file of the note shown.
    bool Step(const NoteStore& store, int delta);

    // The text or the period changed.
    bool HasChanges() const override;
    // After trimming: whether leaving writes the note of the chosen period.
    bool WouldSave() const override;
    // A note of the chosen period already falls on this day, and it is not
    // the one shown: asks before overwriting it (or deleting it, when the
    // text is empty).
    std::string TargetQuestion(const NoteStore& store) const override;
    // Writes the working text under the chosen period (empty deletes it).
    bool Save(NoteStore& store) const override;

private:
    DayContext day_;
    std::string title_;
    NoteEditModel edit_;
    int k_ = 1;
    int n_ = 0;
    int period_ = kDefaultPeriod;
    int loadedPeriod_ = kDefaultPeriod;
};

}  // namespace sk
