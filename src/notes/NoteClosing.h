#pragma once
// What happens when a note window is left, without a display: the questions
// it asks, what it writes, and that the user can always leave. The four note
// windows share these rules; the window only runs the dialogs.

#include <functional>
#include <string>

#include "notes/NoteEditModel.h"
#include "notes/NoteStore.h"

namespace sk {

namespace note_closing_texts {
inline constexpr const char* kDeleteFailed = "Die Notiz konnte nicht gelöscht werden!";
inline constexpr const char* kLeaveUnsavedQuestion =
    "Die Notiz konnte nicht gespeichert werden!\r\n"
    "Soll das Fenster trotzdem geschlossen werden? Der Text geht dabei verloren.";
}  // namespace note_closing_texts

// How the user left the window.
enum class NoteExit {
    Save,        // "Speichern"
    DeleteNote,  // "Lösche Notiz" (the text is already cleared)
    Close,       // Esc or the window's close button
};

// The note a window edits, as the closing rules see it.
class NoteWindowModel {
public:
    virtual ~NoteWindowModel() = default;
    virtual NoteEditModel& Edit() = 0;
    // The text or a choice of the window (period, occurrence, month) differs
    // from what was loaded: leaving by Esc asks whether to save.
    virtual bool HasChanges() const = 0;
    // After trimming: whether leaving writes (or, with an empty text, deletes)
    // a note file.
    virtual bool WouldSave() const = 0;
    // The question before writing over or deleting a note other than the one
    // loaded (the choices point at it); empty when there is none.
    virtual std::string TargetQuestion(const NoteStore&) const { return {}; }
    // Writes the working text (an empty one deletes the note); false on failure.
    virtual bool Save(NoteStore& store) const = 0;
};

// The dialogs the rules need. ask shows a question (true for "Ja"), report
// an error message. quitting tells whether the program is being ended by a
// signal: from then on nothing is asked or written and the window closes.
// choose answers the question about a note another instance changed meanwhile.
enum class NoteConflictChoice { KeepMine, TakeTheirs, BackToEditing };
struct NoteDialogs {
    std::function<bool(const std::string&)> ask;
    std::function<void(const std::string&)> report;
    std::function<bool()> quitting;
    std::function<NoteConflictChoice(const std::string&)> choose;
};

enum class NoteClosing { Close, KeepOpen };

// The way out of a note window. "Nein" to the question on Esc writes
// nothing. A file that cannot be written or deleted is reported; the window
// stays open only when the user wants to keep the text shown, never because
// of the failure alone.
NoteClosing CloseNoteWindow(NoteWindowModel& model, NoteStore& store, NoteExit exit, const NoteDialogs& dialogs);

}  // namespace sk
