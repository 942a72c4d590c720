#pragma once
// Saves that did not reach the disk: the German text naming the file, and
// the rule that nothing goes on past a failed save unless the person says so.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sk {

// "Die Datei "<path>" konnte nicht gespeichert werden!"
std::string FailedSaveText(std::string_view path);
// One line per file; a single file reads as FailedSaveText.
std::string FailedSavesText(const std::vector<std::string>& paths);

// The answers to a failed save: try again, stay where one is (keep the
// program open, keep the user), or go on without the unsaved data.
enum class FailedSaveChoice { Retry, Stay, GoOnWithout };

// Runs `save` (it returns the paths it could not write) until everything is
// saved or the person, asked with those paths, stays or goes on without.
// True when the caller may go on: all saved, or dropped by choice.
bool SaveOrAsk(const std::function<std::vector<std::string>()>& save,
               const std::function<FailedSaveChoice(const std::vector<std::string>&)>& ask);

}  // namespace sk
