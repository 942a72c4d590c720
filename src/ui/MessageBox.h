#pragma once
// The one message box of the program: German titles, texts and buttons
// whatever the desktop's language, modal over the window that asks.

#include <string>
#include <string_view>

namespace Gtk {
class Window;
}

namespace sk {

namespace message_titles {
inline constexpr const char* kError = "Fehler";
inline constexpr const char* kQuestion = "Frage";
inline constexpr const char* kInfo = "Info";
inline constexpr const char* kInformation = "Information";
}  // namespace message_titles

// Questions that delete or overwrite data, or go on although something is
// lost, start on "Nein"; all others on "Ja".
bool QuestionDefaultsToNo(std::string_view text);

// A message with one button "OK".
void ShowMessage(Gtk::Window* parent, const std::string& title, const std::string& text);

// A question titled "Frage" with "Ja" and "Nein"; true for "Ja". Esc and
// closing the box answer "Nein".
bool AskQuestion(Gtk::Window* parent, const std::string& text);

// A question titled "Frage" with "Ja", "Nein" and "Abbrechen"; Esc and
// closing the box answer "Abbrechen".
enum class Answer { Yes, No, Cancel };
Answer AskYesNoCancel(Gtk::Window* parent, const std::string& text);

}  // namespace sk
