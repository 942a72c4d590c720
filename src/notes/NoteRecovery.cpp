#include "notes/NoteRecovery.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <sys/stat.h>

#include "notes/NoteEditModel.h"
#include "notes/NoteNames.h"
#include "notes/NoteStore.h"
#include "base/FileIO.h"

namespace sk {

namespace {
constexpr std::string_view kHeader = "Schichtkalender Notizkopie 1\n";
// A note file holds at most three bytes per character of the longest note.
constexpr std::size_t kMaxRecoveryBytes = 64u << 10;

// The next line of `rest` without its "\n"; nothing when there is no line end.
std::optional<std::string_view> TakeLine(std::string_view& rest) {
    const auto end = rest.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return line;
}
}  // namespace

std::optional<NoteRecovery> PendingNoteRecovery(const NoteEditModel& edit, std::time_t now) {
    if (!edit.NeedsSaveQuestion() || !edit.Store() || edit.FileName().empty()) return std::nullopt;
    return NoteRecovery{edit.FileName(), now, edit.Store()->StoredFormOf(edit.NoteToStore())};
}

std::string FormatNoteRecovery(const NoteRecovery& r) {
    std::string out(kHeader);
    out += r.fileName + "\n" + std::to_string(static_cast<long long>(r.savedAt)) + "\n";
    out += r.storedBytes;
    return out;
}

std::optional<NoteRecovery> ParseNoteRecovery(std::string_view bytes) {
    if (bytes.substr(0, kHeader.size()) != kHeader) return std::nullopt;
    std::string_view rest = bytes.substr(kHeader.size());
    const auto name = TakeLine(rest);
    const auto time = TakeLine(rest);
    if (!name || !time || !ParseNoteFileName(*name)) return std::nullopt;
    long long seconds = 0;
    const auto [end, ec] = std::from_chars(time->data(), time->data() + time->size(), seconds);
    if (ec != std::errc() || end != time->data() + time->size()) return std::nullopt;
    return NoteRecovery{std::string(*name), static_cast<std::time_t>(seconds), std::string(rest)};
}

bool WriteNoteRecovery(const std::string& folder, const NoteRecovery& r) {
    return WriteFileAtomically(JoinPath(folder, kNoteRecoveryFileName), FormatNoteRecovery(r));
}

std::optional<NoteRecovery> ReadNoteRecovery(const std::string& folder) {
    const auto bytes = ReadRegularFileInItsFolder(JoinPath(folder, kNoteRecoveryFileName), kMaxRecoveryBytes);
    if (!bytes) return std::nullopt;
    return ParseNoteRecovery(*bytes);
}

bool RestoreNoteRecovery(const std::string& folder, const NoteRecovery& r, const std::string& copyFolder) {
    const std::string path = JoinPath(folder, r.fileName);
    const bool ok = r.storedBytes.empty() ? RemoveFileIfExists(path) : WriteFileAtomically(path, r.storedBytes);
    return ok && DiscardNoteRecovery(copyFolder.empty() ? folder : copyFolder);
}

namespace {
// FNV-1a: a short, stable folder name for a data folder's path.
std::string PathKey(std::string_view path) {
    std::uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : path) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string key(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4) key[static_cast<std::size_t>(i)] = kHex[h & 15];
    return key;
}

// Creates each missing folder of an absolute path, private to the user.
bool MakeFolders(const std::string& path) {
    for (std::size_t at = 1; at <= path.size(); ++at) {
        if (at < path.size() && path[at] != '/') continue;
        const std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
}  // namespace

std::string NoteRecoveryStateFolder(std::string_view dataFolder, const char* xdgStateHome, const char* home) {
    std::string root;
    // Only an absolute path counts as set, as the desktop's rules say.
    if (xdgStateHome && xdgStateHome[0] == '/') {
        root = xdgStateHome;
    } else if (home && home[0] == '/') {
        root = JoinPath(home, ".local/state");
    } else {
        return {};
    }
    return JoinPath(JoinPath(root, "schichtkalender/Notizkopien"), PathKey(dataFolder)) + "/";
}

std::optional<std::string> KeepNoteRecovery(const std::string& dataFolder, const std::string& stateFolder,
                                            const NoteRecovery& r) {
    if (WriteNoteRecovery(dataFolder, r)) return dataFolder;
    if (!stateFolder.empty() && MakeFolders(stateFolder) && WriteNoteRecovery(stateFolder, r)) return stateFolder;
    return std::nullopt;
}

std::string LostNoteText(const std::string& dataFolder, const NoteRecovery& r) {
    return "Die nicht gespeicherte Notiz \"" + JoinPath(dataFolder, r.fileName) +
           "\" ging verloren: Keine Kopie konnte angelegt werden.";
}

std::optional<KeptNoteRecovery> FindNoteRecovery(const std::string& dataFolder, const std::string& stateFolder) {
    for (const std::string& folder : {dataFolder, stateFolder}) {
        if (folder.empty()) continue;
        if (std::optional<NoteRecovery> copy = ReadNoteRecovery(folder)) {
            return KeptNoteRecovery{std::move(*copy), folder};
        }
    }
    return std::nullopt;
}

bool DiscardNoteRecovery(const std::string& folder) {
    return RemoveFileIfExists(JoinPath(folder, kNoteRecoveryFileName));
}

std::string NoteRecoveryQuestion(const NoteRecovery& r) {
    std::tm local{};
    const std::time_t t = r.savedAt;
    char when[64] = "";
    if (localtime_r(&t, &local)) std::strftime(when, sizeof when, "%d.%m.%Y, %H:%M Uhr", &local);
    return std::string("Eine nicht gespeicherte Notiz vom ") + when + " wurde gefunden. Wiederherstellen?";
}

}  // namespace sk
