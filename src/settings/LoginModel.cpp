#include "settings/LoginModel.h"

#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "base/FileIO.h"

namespace sk {

FieldReaction LoginForm::NameChanged(std::string_view text) {
    FieldReaction reaction;
    NameEdit edit = CheckUserNameEdit(text, acceptedName_);
    reaction.messages = std::move(edit.messages);
    reaction.replace = edit.text != text;
    reaction.text = edit.text;
    acceptedName_ = std::move(edit.acceptedName);
    return reaction;
}

FieldReaction LoginForm::PasswordChanged(std::string_view text) {
    FieldReaction reaction;
    if (std::optional<UserMessage> m = CheckPasswordEdit(text)) {
        reaction.messages.push_back(*m);
        reaction.replace = true;
        password_.clear();
        return reaction;
    }
    password_ = std::string(text);
    return reaction;
}

std::optional<UserMessage> LoginForm::Accept(const std::string& baseDataDirectory) const {
    return CheckLoginAcceptance(acceptedName_, baseDataDirectory);
}

std::vector<std::string> SaveChangedMarks(const std::string& folder, CalendarMarkList& calendarMarks,
                                          ShiftMarkList& shiftMarks) {
    std::vector<std::string> failed;
    if (shiftMarks.changed && !shiftMarks.Save(folder)) failed.push_back(JoinPath(folder, kShiftMarkFileName));
    if (calendarMarks.changed && !calendarMarks.Save(folder)) {
        failed.push_back(JoinPath(folder, kCalendarMarkFileName));
    }
    return failed;
}

LoginOutcome SwitchUser(std::string_view name, std::string_view password, Settings& settings,
                        UserSession& session, const std::string& currentDataFolder,
                        CalendarMarkList& calendarMarks, ShiftMarkList& shiftMarks) {
    SaveChangedMarks(currentDataFolder, calendarMarks, shiftMarks);
    return LoginUser(name, password, settings, session);
}

}  // namespace sk
