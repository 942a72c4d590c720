#pragma once
// What every note editor decides, without a display: the text it shows, the
// length limit, when to ask before leaving, what is kept and what is saved.
// The day, periodic, yearly and weekday-in-month windows share it.
//
// Note files keep "\r\n" line breaks, as files written on other systems have
// them; the editor works with "\n". The model holds the editor's form and
// turns it back into the file's form when saving.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sk {

namespace note_texts {
inline constexpr const char* kSave = "Speichern";
inline constexpr const char* kSaveTip = "Speichert die Notiz und verlässt das Eingabefenster";
inline constexpr const char* kRevert = "Alles zurück";
inline constexpr const char* kRevertTip =
    "Nimmt alle Änderungen zurück, sofern beim Aufruf bereits ein Text vorhanden war";
inline constexpr const char* kClearText = "Lösche Text";
inline constexpr const char* kClearTextTip = "Löscht den gesamten Text";
inline constexpr const char* kDeleteNote = "Lösche Notiz";
inline constexpr const char* kDeleteNoteTip = "Löscht die gesamte Notiz und verlässt das Eingabefenster";
inline constexpr const char* kPrevious = " < ";
inline constexpr const char* kPreviousTip = "Vorherige Notiz für diesen Tag";
inline constexpr const char* kNext = " > ";
inline constexpr const char* kNextTip = "Nächste Notiz für diesen Tag";
inline constexpr const char* kSaveChangesQuestion = "Sollen die Änderungen gespeichert werden?";
inline constexpr const char* kChangedElsewhereQuestion =
    "Die Notiz wurde inzwischen von einem anderen Programm geändert.\r\n"
    "Soll sie mit diesem Text überschrieben werden?\r\n\r\n"
    "Ja: diesen Text speichern\r\nNein: den anderen Text behalten\r\nAbbrechen: weiter bearbeiten";
}  // namespace note_texts

class NoteStore;

// File form -> editor form: "\r\n" and a lone "\r" become "\n". A NUL
// character cannot stand in an editor and is left out.
std::string EditorTextOfNote(std::string_view note);
// Editor form -> file form: every "\n" becomes "\r\n".
std::string NoteTextOfEditor(std::string_view editorText);

// Characters of the file form (a line break counts two).
std::size_t StoredLength(std::string_view editorText);

// When the file form of the text would exceed the note limit: the longest
// beginning that fits (a line break is never split) and its stored length.
struct LengthCut {
    std::string text;
    std::size_t storedLength;
};
std::optional<LengthCut> CutToNoteLimit(std::string_view editorText);
// "Die Länge der Notiz wurde auf 8191 Zeichen gekürzt!"
std::string LengthCutMessage(std::size_t storedLength);

// Blanks (" ") at the end are dropped; other white space stays.
std::string TrimTrailingBlanks(std::string_view text);

// The first character the one-byte note format cannot hold (above U+00FF),
// and the message that refuses to save it.
std::optional<char32_t> FirstUnstorableCharacter(std::string_view utf8);
std::string UnstorableCharacterMessage(char32_t character);

// Working text (the editor's) against the text loaded when the window opened.
class NoteEditModel {
public:
    // Opening: the note (file form) becomes the working and the loaded text.
    void Load(std::string_view noteText);
    // Opening the note file `fileName` of the store (missing: an empty text).
    // The model remembers where the text came from, so that saving can see
    // whether another program changed the file meanwhile, and a recovery
    // copy knows where the text belongs.
    void LoadFile(const NoteStore& store, std::string fileName);
    // A new note that will be stored as `fileName`; nothing is read.
    void LoadNew(const NoteStore& store, std::string fileName);
    // Whether the file now holds another text than when it was loaded.
    bool ChangedElsewhere() const;
    // The store and the note file the text belongs to; null / empty when
    // the model was loaded with a bare text.
    const NoteStore* Store() const { return store_; }
    const std::string& FileName() const { return fileName_; }

    const std::string& Working() const { return working_; }

    // A change in the editor (editor form).
    void SetWorking(std::string editorText) { working_ = std::move(editorText); }

    // "Alles zurück": true when the working text went back to the loaded one
    // (nothing happens when the window opened without a text).
    bool RevertAll();
    // "Lösche Text" and "Lösche Notiz".
    void ClearText() { working_.clear(); }

    // Esc and the close button ask before leaving only when the text changed.
    bool NeedsSaveQuestion() const { return working_ != loaded_; }

    // Closing: trailing blanks go first.
    void TrimForClosing() { working_ = TrimTrailingBlanks(working_); }
    // An unchanged, non-empty text touches no file; an empty one deletes it.
    bool TextChangedOrEmpty() const { return working_ != loaded_ || working_.empty(); }
    // What the note file receives.
    std::string NoteToStore() const { return NoteTextOfEditor(working_); }

private:
    std::string working_;
    std::string loaded_;
    const NoteStore* store_ = nullptr;
    std::string fileName_;
};

}  // namespace sk
