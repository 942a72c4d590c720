#pragma once
// The windows of the notes: the note menu, the four note editors, the
// overview and the deletion of notes and marks. Each works on the selected
// day (the cursor cell) and returns true when the calendar must be repainted.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/WindowContext.h"

namespace sk {

bool OpenNoteMenu(WindowContext& context);
bool OpenDayNoteWindow(WindowContext& context);
bool OpenPeriodicNoteWindow(WindowContext& context);
bool OpenYearlyNoteWindow(WindowContext& context);
bool OpenWeekdayNoteWindow(WindowContext& context);
bool OpenNotesOverview(WindowContext& context);
bool OpenDeleteNotesWindow(WindowContext& context);

// Tells the program which note editor is on screen while it exists.
class OpenNoteEditorMark {
public:
    OpenNoteEditorMark(AppState& state, const NoteEditModel& edit) : state_(state) { state_.openNoteEditor = &edit; }
    ~OpenNoteEditorMark() { state_.openNoteEditor = nullptr; }
    OpenNoteEditorMark(const OpenNoteEditorMark&) = delete;
    OpenNoteEditorMark& operator=(const OpenNoteEditorMark&) = delete;

private:
    AppState& state_;
};

// A window of notes to read (the overview, the notes of a day), 60u x 33r:
// the text (file form) in the look of the main window, its background also
// behind the text. wrapWords breaks long lines at words.
void ShowNotesText(Gtk::Window& parent, const std::string& title, Units units, std::string_view notes,
                   bool wrapWords);

// The selected day for a note window: its context and NoteDateCode, with
// the note store set to encipher with the current user's password. Nothing
// when no day is selected.
struct NoteDay {
    DayContext day;
    std::int32_t cellCode;
};
std::optional<NoteDay> OpenNotesOfSelectedDay(AppState& state);

}  // namespace sk
