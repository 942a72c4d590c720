#include "settings/Users.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Latin1.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStorage.h"

namespace sk {

namespace {

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Creates a folder; an existing folder is fine.
bool EnsureFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) == 0) return true;
    return errno == EEXIST && IsFolder(path);
}

std::string WithSlash(std::string path) {
    if (path.empty() || path.back() != '/') path.push_back('/');
    return path;
}

struct FileId {
    dev_t dev = 0;
    ino_t ino = 0;
    bool operator==(const FileId&) const = default;
};

std::optional<FileId> IdOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
}

// Copies one regular file by way of a temporary file and a rename, so a
// symbolic link at the destination is replaced, never written through.
bool CopyFile(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (in < 0) return false;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return false;
    }
    const std::string tmp = to + ".tmp-c" + std::to_string(::getpid());
    const int out = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out, buf + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) {
                ok = false;
                break;
            }
            done += w;
        }
        if (!ok) break;
    }
    ::close(in);
    if (ok && ::fsync(out) != 0) ok = false;
    if (::close(out) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), to.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

// Folders nested deeper than this are not ours; stops runaway recursion.
constexpr int kMaxCopyDepth = 32;

// The target folder and every folder above it: none of them may be copied
// into the target, or the copy would contain itself.
std::vector<FileId> FolderAndAncestors(const std::string& folder) {
    std::vector<FileId> ids;
    char* real = ::realpath(folder.c_str(), nullptr);
    if (real == nullptr) return ids;
    std::string path = real;
    std::free(real);
    for (;;) {
        if (auto id = IdOf(path.empty() ? "/" : path)) ids.push_back(*id);
        const std::size_t slash = path.rfind('/');
        if (slash == std::string::npos || path.empty()) break;
        path.resize(slash);
    }
    return ids;
}

bool Contains(const std::vector<FileId>& ids, const FileId& id) {
    for (const FileId& x : ids)
        if (x == id) return true;
    return false;
}

// Copies the contents of `from` into `to` (both ending in "/"), overwriting.
// Symbolic links and special files are skipped, and so are the folders in
// `skip` (the target and the folders holding it, when it lies inside the source).
// What a copy did to the target, so a failed one can be taken back.
struct CopyRecord {
    std::vector<std::string> created;  // files and folders, in the order made
    int replaced = 0;                  // files that existed and were overwritten
};

bool CopyFolderContents(const std::string& from, const std::string& to, const std::vector<FileId>& skip,
                        int depth, bool topLevel, CopyRecord& record) {
    if (depth > kMaxCopyDepth) return false;
    for (const std::string& name : FolderEntries(from)) {
        const std::string src = from + name;
        struct stat st {};
        if (::lstat(src.c_str(), &st) != 0) return false;
        const std::string dst = to + name;
        if (S_ISDIR(st.st_mode)) {
            if (Contains(skip, FileId{st.st_dev, st.st_ino})) continue;
            struct stat dt {};
            const bool existed = ::lstat(dst.c_str(), &dt) == 0;
            if (existed && !S_ISDIR(dt.st_mode)) {
                if (::unlink(dst.c_str()) != 0) return false;
                ++record.replaced;
            }
            if (!EnsureFolder(dst)) return false;
            if (!existed || !S_ISDIR(dt.st_mode)) record.created.push_back(dst);
            if (!CopyFolderContents(src + "/", dst + "/", skip, depth + 1, false, record)) return false;
        } else if (S_ISREG(st.st_mode)) {
            // Settings belong to the machine, not to the shared data.
            if (topLevel && name == kSettingsFileName) continue;
            struct stat dt {};
            const bool existed = ::lstat(dst.c_str(), &dt) == 0;
            if (!CopyFile(src, dst)) return false;
            if (existed) {
                ++record.replaced;
            } else {
                record.created.push_back(dst);
            }
        }
    }
    return true;
}

bool IsNoteFileName(std::string_view name) {
    if (name.size() < 5) return false;
    const std::string_view ext = name.substr(name.size() - 4);
    return ext == ".txt" || ext == ".tnt" || ext == ".jnt" || ext == ".wmt";
}

// Deletes the note files of `target` that the source does not have, so the
// target ends with exactly the source's notes.
void RemoveStaleNotes(const std::string& source, const std::string& target) {
    for (const std::string& name : FolderEntries(target)) {
        if (!IsNoteFileName(name)) continue;
        struct stat st {};
        const std::string path = target + name;
        if (::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) continue;
        if (!Exists(source + name)) ::unlink(path.c_str());
    }
}

UserMessage Error(const char* text) { return {user_texts::kErrorTitle, text}; }

std::string CopyPartlyReplacedText(int replaced, const std::string& folder) {
    return "\r\nDie Kopie brach ab: " + std::to_string(replaced) + (replaced == 1 ? " Datei" : " Dateien") +
           " in \"" + folder +
           "\" wurde(n) bereits durch die aktuellen Daten ersetzt, neu angelegte Dateien wurden wieder entfernt.";
}

}  // namespace

std::optional<std::string> EnterBaseDataDirectory(const std::string& workingDirectory) {
    const std::string base = WithSlash(workingDirectory) + kDataFolderName + "/";
    if (!EnsureFolder(base)) return std::nullopt;
    if (!EnsureFolder(base + kDefaultUserName)) return std::nullopt;
    return base;
}

std::string SettingsFolder(const std::string& baseDataDirectory, const std::string& userName) {
    return baseDataDirectory + userName + "/";
}

std::string UserDataFolder(const Settings& settings, const std::string& baseDataDirectory) {
    const std::string& root = settings.userDirectory.empty() ? baseDataDirectory : settings.userDirectory;
    return WithSlash(root) + settings.userName + "/";
}

std::optional<std::string> CheckUserDirectory(Settings& settings, const std::string& baseDataDirectory) {
    if (IsBaseDataDirectory(settings.userDirectory, baseDataDirectory)) {
        settings.userDirectory = baseDataDirectory;
        return std::nullopt;
    }
    std::string dir = settings.userDirectory;
    for (char& c : dir)
        if (c == '\\') c = '/';
    dir = WithSlash(dir);
    if (IsFolder(dir) && IsAcceptableUserName(settings.userName) && EnsureFolder(dir + settings.userName)) {
        settings.userDirectory = dir;
        return std::nullopt;
    }
    settings.userDirectory = baseDataDirectory;
    return "Das externe Programmverzeichnis '" + dir + "' wurde nicht gefunden!";
}

namespace {
bool HasForbiddenNameCharacter(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 32 || c == '/') return true;
    return false;
}
}  // namespace

bool IsAcceptableUserName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (Utf8CharacterCount(name) > static_cast<std::size_t>(kMaxUserNameLength)) return false;
    if (HasForbiddenNameCharacter(name)) return false;
    return RepairUtf8(name) == name;  // valid UTF-8 only
}

NameEdit CheckUserNameEdit(std::string_view newText, std::string_view lastAccepted) {
    NameEdit edit;
    std::string text(newText);
    if (Utf8CharacterCount(text) > static_cast<std::size_t>(kMaxUserNameLength)) {
        text = std::string(Utf8Prefix(text, kMaxUserNameLength));
        edit.messages.push_back({user_texts::kInfoTitle, user_texts::kNameTruncated});
    }
    if (!text.empty() && HasForbiddenNameCharacter(text)) {
        edit.messages.push_back(Error(user_texts::kCharacterNotAllowed));
        edit.acceptedName = Utf8CharacterCount(text) == 1 ? std::string() : std::string(lastAccepted);
        edit.text = edit.acceptedName;
        return edit;
    }
    edit.text = text;
    edit.acceptedName = text;
    return edit;
}

std::optional<UserMessage> CheckPasswordEdit(std::string_view text) {
    if (Utf8CharacterCount(text) > static_cast<std::size_t>(kMaxPasswordLength)) return Error(user_texts::kPasswordTooLong);
    return std::nullopt;
}

std::string PasswordCounterText(std::string_view password) {
    return std::to_string(Utf8CharacterCount(password)) + " von max. " + std::to_string(kMaxPasswordLength) + " Zeichen.";
}

namespace {
bool HasEdgeBlank(std::string_view name) { return !name.empty() && (name.front() == ' ' || name.back() == ' '); }
}  // namespace

std::optional<UserMessage> CheckLoginAcceptance(std::string_view acceptedName, const std::string& baseDataDirectory) {
    if (acceptedName.empty()) return Error(user_texts::kNameMissing);
    if (acceptedName == "." || acceptedName == "..") return Error(user_texts::kNameNotAllowed);
    if (!IsAcceptableUserName(acceptedName)) return Error(user_texts::kCharacterNotAllowed);
    if (HasEdgeBlank(acceptedName) && !IsFolder(baseDataDirectory + std::string(acceptedName))) {
        const bool onlyBlanks = acceptedName.find_first_not_of(' ') == std::string_view::npos;
        return Error(onlyBlanks ? user_texts::kNameOnlyBlanks : user_texts::kNameEdgeBlanks);
    }
    return std::nullopt;
}

std::string MainWindowTitle(std::string_view userName) {
    return std::string(user_texts::kTitlePrefix) + std::string(userName);
}

LoginOutcome LoginUser(std::string_view name, std::string_view password, Settings& settings,
                       UserSession& session) {
    LoginOutcome outcome;
    const std::string& base = session.baseDataDirectory;
    if (CheckLoginAcceptance(name, base)) {
        outcome.error = Error(user_texts::kNoNewUser);
        return outcome;
    }
    SaveSettings(settings, base);
    const std::string folder = base + std::string(name);
    struct stat st {};
    if (::lstat(folder.c_str(), &st) == 0) {
        // A file of that name cannot become the user's folder.
        if (!IsFolder(folder)) {
            outcome.error = Error(user_texts::kNoNewUser);
            return outcome;
        }
    } else {
        if (::mkdir(folder.c_str(), 0755) != 0) {
            outcome.error = Error(user_texts::kNoNewUser);
            return outcome;
        }
        // The new user starts with the current settings, in their own folder.
        Settings first = settings;
        first.userName = std::string(name);
        first.userDirectory.clear();
        SaveSettings(first, base);
    }
    settings.userName = std::string(name);
    session.userPassword = std::string(password);
    outcome.loggedIn = true;
    return outcome;
}

std::string ParentFolder(std::string_view path) {
    if (path == "/") return "/";
    std::string_view p = path;
    if (!p.empty() && p.back() == '/') p.remove_suffix(1);
    const std::size_t slash = p.rfind('/');
    if (slash == std::string_view::npos) return std::string();
    return std::string(p.substr(0, slash + 1));
}

std::string DataDirectoryChooserStart(const UserSession& session) {
    return ParentFolder(session.baseDataDirectory);
}

ChangeDirectoryOutcome ChangeDataDirectory(std::string_view folder, Settings& settings,
                                           const UserSession& session,
                                           const std::function<bool()>& askOverwrite,
                                           const std::function<void()>& saveMarks) {
    ChangeDirectoryOutcome outcome;
    auto fail = [&outcome]() {
        outcome.changed = false;
        outcome.error = Error(user_texts::kFolderNotOpened);
        return outcome;
    };
    const std::string chosen = WithSlash(std::string(folder));
    if (folder.empty() || !IsFolder(chosen) || !IsAcceptableUserName(settings.userName)) return fail();
    const std::string target = chosen + kDataFolderName + "/";
    if (!EnsureFolder(target)) return fail();
    const std::string userTarget = target + settings.userName + "/";
    bool copy = false;
    bool createdTarget = false;
    if (!Exists(userTarget)) {
        if (::mkdir(userTarget.c_str(), 0755) != 0) return fail();
        copy = createdTarget = true;
    } else {
        if (!IsFolder(userTarget)) return fail();
        copy = askOverwrite ? askOverwrite() : false;
    }
    if (saveMarks) saveMarks();
    const std::string source = UserDataFolder(settings, session.baseDataDirectory);
    const auto sourceId = IdOf(source);
    const auto targetId = IdOf(userTarget);
    if (!targetId) return fail();
    // Choosing the folder in use: its files are the data, nothing to copy.
    if (copy && sourceId && *sourceId != *targetId) {
        CopyRecord record;
        if (!CopyFolderContents(source, userTarget, FolderAndAncestors(userTarget), 0, true, record)) {
            // Take back what this attempt added (a full disk must not leave
            // half a copy behind); what it replaced is named.
            for (auto it = record.created.rbegin(); it != record.created.rend(); ++it) {
                if (::unlink(it->c_str()) != 0) ::rmdir(it->c_str());
            }
            if (createdTarget) ::rmdir(userTarget.c_str());
            outcome = fail();
            outcome.error->text += record.replaced == 0
                                       ? user_texts::kCopyTakenBack
                                       : CopyPartlyReplacedText(record.replaced, userTarget);
            return outcome;
        }
        RemoveStaleNotes(source, userTarget);
    }
    settings.userDirectory = ParentFolder(userTarget);
    outcome.changed = true;
    outcome.userDataFolder = userTarget;
    return outcome;
}

}  // namespace sk
