#pragma once
// The account records the program holds between two readings of the files
// (a missing file leaves them as they are), tied to the user folder they
// were read for.

#include <string>

#include "accounting/RemainingVacation.h"

namespace sk {

class AccountMemory {
public:
    // The records of the user whose data folder is `userFolder`. After a
    // change of user they start empty, so one user's balance never shows
    // for, or is saved into the files of, another.
    AccountFiles& For(const std::string& userFolder) {
        if (userFolder != folder_) {
            files_ = AccountFiles{};
            folder_ = userFolder;
        }
        return files_;
    }

private:
    std::string folder_;
    AccountFiles files_;
};

}  // namespace sk
