// Any text typed as a user name: what the name field accepts, and what the
// login takes, must be a single plain folder name of at most 32 characters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Latin1.h"
#include "settings/Users.h"

namespace {
bool IsPlainFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t half = size / 2;
    const sk::NameEdit edit = sk::CheckUserNameEdit(text.substr(0, half), "Anna");
    if (sk::Utf8CharacterCount(edit.text) > 32) std::abort();
    if (edit.text.find('/') != std::string::npos) std::abort();
    if (!sk::CheckLoginAcceptance(edit.acceptedName) && !IsPlainFolderName(edit.acceptedName)) std::abort();
    if (sk::IsAcceptableUserName(text) && !IsPlainFolderName(std::string(text))) std::abort();
    sk::CheckPasswordEdit(text);
    sk::PasswordCounterText(text);

    const std::string parent = sk::ParentFolder(text);
    if (parent.size() > text.size()) std::abort();
    if (!parent.empty() && parent.back() != '/') std::abort();
    if (text.substr(0, parent.size()) != parent) std::abort();
    return 0;
}
