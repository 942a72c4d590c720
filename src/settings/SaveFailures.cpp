#include "settings/SaveFailures.h"

namespace sk {

std::string FailedSaveText(std::string_view path) {
    return "Die Datei \"" + std::string(path) + "\" konnte nicht gespeichert werden!";
}

std::string FailedSavesText(const std::vector<std::string>& paths) {
    if (paths.size() == 1) return FailedSaveText(paths.front());
    std::string text = "Diese Dateien konnten nicht gespeichert werden:";
    for (const std::string& p : paths) text += "\n" + p;
    return text;
}

bool SaveOrAsk(const std::function<std::vector<std::string>()>& save,
               const std::function<FailedSaveChoice(const std::vector<std::string>&)>& ask) {
    for (;;) {
        const std::vector<std::string> failed = save();
        if (failed.empty()) return true;
        switch (ask(failed)) {
            case FailedSaveChoice::Retry: continue;
            case FailedSaveChoice::Stay: return false;
            case FailedSaveChoice::GoOnWithout: return true;
        }
        return false;
    }
}

}  // namespace sk
