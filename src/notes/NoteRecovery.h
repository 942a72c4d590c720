#pragma once
// A note text that could not be saved because the program was told to end
// (logout, shutdown, a terminal closed) while a note window held unsaved
// changes. The text goes to a recovery copy in the user's data folder; the
// next start offers to put it back into its note file.
//
// The copy holds the note in its stored form (enciphered as the note file
// would be), so a secret note stays secret and restoring needs no password.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace sk {

class NoteEditModel;

inline constexpr const char* kNoteRecoveryFileName = "Notiz-Wiederherstellung.dat";
inline constexpr const char* kNoteRecoveryFailed =
    "Die Notiz konnte nicht gespeichert werden! Die Kopie bleibt für den nächsten Start erhalten.";

struct NoteRecovery {
    std::string fileName;  // the note file it belongs to, in the same folder
    std::time_t savedAt = 0;
    std::string storedBytes;  // the note file's future content; empty deletes the note
    bool operator==(const NoteRecovery&) const = default;
};

// What a note editor holds that is not saved: nothing when the text is
// unchanged or the model does not know its note file.
std::optional<NoteRecovery> PendingNoteRecovery(const NoteEditModel& edit, std::time_t now);

std::string FormatNoteRecovery(const NoteRecovery& r);
// Nothing for a damaged copy or one that names no note file of the folder.
std::optional<NoteRecovery> ParseNoteRecovery(std::string_view bytes);

bool WriteNoteRecovery(const std::string& folder, const NoteRecovery& r);
std::optional<NoteRecovery> ReadNoteRecovery(const std::string& folder);
// Writes the note file into `folder`, then removes the copy from
// `copyFolder` (`folder` when empty); false when the note file could not be
// written (the copy is then kept).
bool RestoreNoteRecovery(const std::string& folder, const NoteRecovery& r, const std::string& copyFolder = {});
bool DiscardNoteRecovery(const std::string& folder);

// Where the copy goes when the data folder refuses it (read-only, full): a
// folder of the user's own, one per data folder, below $XDG_STATE_HOME
// (else ~/.local/state); empty when neither is known.
std::string NoteRecoveryStateFolder(std::string_view dataFolder, const char* xdgStateHome, const char* home);
// Writes the copy into the data folder, else into the state folder (made
// when missing). The folder that took it; nothing when neither did.
std::optional<std::string> KeepNoteRecovery(const std::string& dataFolder, const std::string& stateFolder,
                                            const NoteRecovery& r);
// For stderr, when no folder took the copy: which note was lost.
std::string LostNoteText(const std::string& dataFolder, const NoteRecovery& r);

// The copy of a data folder wherever it was kept, its own folder first.
struct KeptNoteRecovery {
    NoteRecovery copy;
    std::string folder;  // where the copy lies
};
std::optional<KeptNoteRecovery> FindNoteRecovery(const std::string& dataFolder, const std::string& stateFolder);

// "Eine nicht gespeicherte Notiz vom 07.12.2026, 14:03 Uhr wurde gefunden. Wiederherstellen?"
std::string NoteRecoveryQuestion(const NoteRecovery& r);

}  // namespace sk
