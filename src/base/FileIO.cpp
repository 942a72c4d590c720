#include "base/FileIO.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace sk {

namespace {
constexpr std::string_view kTempMarker = ".tmp-";
constexpr int kTempSuffixLength = 10;
constexpr int kTempNameTries = 16;
constexpr std::chrono::milliseconds kLockRetryPause{20};

// Reads up to maxBytes bytes from an open file and closes it. A regular
// file's size as fstat gave it saves the read that would only find the end:
// a read that fell short of the request exactly at that size is at the end.
std::string ReadAndClose(int fd, std::size_t maxBytes, std::size_t statSize) {
    char buf[65536];
    std::string out;
    out.reserve(std::min(statSize, maxBytes));
    while (out.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buf, maxBytes - out.size());
        const ssize_t n = ::read(fd, buf, want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        out.append(buf, static_cast<std::size_t>(n));
        if (static_cast<std::size_t>(n) < want && out.size() == statSize) break;
    }
    ::close(fd);
    return out;
}

std::size_t SizeOf(const struct stat& st) { return static_cast<std::size_t>(std::max<off_t>(st.st_size, 0)); }

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return path.substr(slash == std::string::npos ? 0 : slash + 1);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A rename or unlink is only durable once the folder holding it is flushed.
void SyncFolderOf(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string RandomSuffix() {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char bytes[kTempSuffixLength];
    std::size_t got = 0;
    while (got < sizeof bytes) {
        const ssize_t n = ::getrandom(bytes + got, sizeof bytes - got, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got < sizeof bytes) {
        // No kernel randomness: the clock still makes names hard to plant
        // ahead, and O_EXCL refuses any planted one.
        std::uint64_t x = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                          (static_cast<std::uint64_t>(::getpid()) << 32);
        for (auto& b : bytes) {
            x = x * 6364136223846793005ULL + 1442695040888963407ULL;
            b = static_cast<unsigned char>(x >> 56);
        }
    }
    std::string s;
    for (unsigned char b : bytes) s += kAlphabet[b % (sizeof kAlphabet - 1)];
    return s;
}

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

bool IsOwnTempName(std::string_view name) {
    const auto at = name.rfind(kTempMarker);
    if (at == std::string_view::npos || at == 0) return false;
    const std::string_view suffix = name.substr(at + kTempMarker.size());
    // Random suffixes of this writer, and the process ids of older ones.
    return !suffix.empty() && suffix.size() <= 16 &&
           std::all_of(suffix.begin(), suffix.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
           });
}
}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') path += '/';
    path += name;
    return path;
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    // O_NONBLOCK: opening a pipe for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return ReadAndClose(fd, maxBytes, SizeOf(st));
}

namespace {
// Opens `name` below the open folder; links may not lead out of it.
int OpenBeneath(int folderFd, const std::string& folder, const std::string& name, int flags) {
    open_how how{};
    how.flags = static_cast<std::uint64_t>(flags);
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    const long fd = ::syscall(SYS_openat2, folderFd, name.c_str(), &how, sizeof how);
    // EXDEV: the path left the folder, or took an absolute link that may
    // still lead back into it; ENOSYS: a kernel before openat2. Both are
    // resolved by hand and the folders compared.
    if (fd >= 0 || (errno != ENOSYS && errno != EXDEV)) return static_cast<int>(fd);
    char* real = ::realpath(JoinPath(folder, name).c_str(), nullptr);
    const int realErrno = errno;
    char* realFolder = ::realpath(folder.c_str(), nullptr);
    int result = -1;
    int error = real ? EXDEV : realErrno;
    if (real && realFolder) {
        const std::string r = real, f = std::string(realFolder) + "/";
        if (r.compare(0, f.size(), f) == 0) {
            result = ::open(real, flags | O_NOFOLLOW);
            error = errno;
        }
    }
    std::free(real);
    std::free(realFolder);
    if (result < 0) errno = error;
    return result;
}
}  // namespace

namespace {
int OpenFolder(const std::string& folder) { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }

// A regular file `name` of the open folder, opened for reading; -1 otherwise.
int OpenRegularBeneath(int folderFd, const std::string& folder, const std::string& name,
                       std::size_t* size = nullptr) {
    const int fd = OpenBeneath(folderFd, folder, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    if (size) *size = SizeOf(st);
    return fd;
}

// A regular file opened for reading that lies in its folder; -1 otherwise.
int OpenRegularInItsFolder(const std::string& path, std::size_t* size = nullptr) {
    const std::string folder = FolderOf(path);
    const int folderFd = OpenFolder(folder);
    if (folderFd < 0) return -1;
    const int fd = OpenRegularBeneath(folderFd, folder, NameOf(path), size);
    ::close(folderFd);
    return fd;
}
}  // namespace

FolderReader::FolderReader(std::string folder) : folder_(std::move(folder)) {
    if (folder_.empty()) folder_ = ".";
    while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
    folderFd_ = OpenFolder(folder_);
}

FolderReader::~FolderReader() {
    if (folderFd_ >= 0) ::close(folderFd_);
}

std::optional<std::string> FolderReader::Read(const std::string& name, std::size_t maxBytes) const {
    // A name with a folder in it is read the long way, with its own folder.
    if (folderFd_ < 0 || name.find('/') != std::string::npos) return ReadRegularFileInItsFolder(JoinPath(folder_, name), maxBytes);
    std::size_t size = 0;
    const int fd = OpenRegularBeneath(folderFd_, folder_, name, &size);
    if (fd < 0) return std::nullopt;
    return ReadAndClose(fd, maxBytes, size);
}

std::optional<std::string> ReadRegularFileInItsFolder(const std::string& path, std::size_t maxBytes) {
    std::size_t size = 0;
    const int fd = OpenRegularInItsFolder(path, &size);
    if (fd < 0) return std::nullopt;
    return ReadAndClose(fd, maxBytes, size);
}

bool IsRegularFileInItsFolder(const std::string& path) {
    const int fd = OpenRegularInItsFolder(path);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    return ReadRegularFile(path, maxBytes);
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string tmp;
    int fd = -1;
    for (int i = 0; i < kTempNameTries && fd < 0; ++i) {
        tmp = path + std::string(kTempMarker) + RandomSuffix();
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    struct stat old {};
    if (::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        // Group first: changing the owner may clear set-id bits the mode then restores.
        if (::geteuid() == 0) {
            (void)::fchown(fd, old.st_uid, old.st_gid);
        } else {
            (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);  // refused unless we are in the group
        }
        (void)::fchmod(fd, old.st_mode & 07777);
    }
    bool ok = WriteAll(fd, bytes);
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    SyncFolderOf(path);
    return true;
}

bool IsFolderWritable(const std::string& folder) {
    return ::faccessat(AT_FDCWD, folder.empty() ? "." : folder.c_str(), W_OK, AT_EACCESS) == 0;
}

bool RemoveFileIfExists(const std::string& path) {
    if (::unlink(path.c_str()) == 0) {
        SyncFolderOf(path);
        return true;
    }
    if (errno == ENOENT) return true;
    // A read-only file system refuses the unlink before it looks the name
    // up: a file that is not there is gone all the same.
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

void StaleTempFileSweep::Consider(std::string_view name) {
    if (IsOwnTempName(name)) candidates_.emplace_back(name);
}

int StaleTempFileSweep::Remove(std::chrono::seconds minAge) {
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    for (const std::string& name : candidates_) {
        const std::string path = JoinPath(folder_, name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (now - st.st_mtime < minAge.count()) continue;  // perhaps a write in progress
        if (::unlink(path.c_str()) == 0) ++removed;
    }
    candidates_.clear();
    if (removed > 0) SyncFolderOf(JoinPath(folder_, "x"));
    return removed;
}

int RemoveStaleTempFiles(const std::string& folder, std::chrono::seconds minAge) {
    StaleTempFileSweep sweep(folder);
    if (DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str())) {
        while (const dirent* e = ::readdir(dir)) sweep.Consider(e->d_name);
        ::closedir(dir);
    }
    return sweep.Remove(minAge);
}

namespace {
FileStamp StampOfStat(const struct stat& st) {
    return {true, static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::uint64_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}
}  // namespace

FileStamp StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return StampOfStat(st);
}

FileStamp StampInItsFolder(const std::string& path) {
    const int folderFd = OpenFolder(FolderOf(path));
    if (folderFd < 0) return {};
    // O_PATH: only the metadata is wanted, and a fifo must not block.
    const int fd = OpenBeneath(folderFd, FolderOf(path), NameOf(path), O_PATH | O_CLOEXEC);
    ::close(folderFd);
    if (fd < 0) return {};
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0;
    ::close(fd);
    return ok ? StampOfStat(st) : FileStamp{};
}

namespace {
// Whether `name` of the open folder is a symbolic link the data-folder rule refuses.
bool IsLinkLeaving(int folderFd, const std::string& folder, const std::string& name) {
    struct stat st {};
    if (::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(st.st_mode)) return false;
    const int fd = OpenBeneath(folderFd, folder, name, O_PATH | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    // A link to nothing inside the folder is just missing; ELOOP is a link
    // that leads on and on.
    return errno == EXDEV || errno == ELOOP;
}
}  // namespace

bool IsLinkLeavingItsFolder(const std::string& path) {
    const std::string folder = FolderOf(path);
    const int folderFd = OpenFolder(folder);
    if (folderFd < 0) return false;
    const bool leaving = IsLinkLeaving(folderFd, folder, NameOf(path));
    ::close(folderFd);
    return leaving;
}

std::vector<std::string> LinksLeavingFolder(const std::string& folder,
                                            const std::function<bool(std::string_view)>& wanted) {
    std::vector<std::string> names;
    const std::string dirPath = folder.empty() ? "." : folder;
    const int folderFd = OpenFolder(dirPath);
    if (folderFd < 0) return names;
    const int listFd = ::dup(folderFd);
    DIR* dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir && listFd >= 0) ::close(listFd);
    if (dir) {
        while (const dirent* e = ::readdir(dir)) {
            if (e->d_type != DT_LNK && e->d_type != DT_UNKNOWN) continue;
            const std::string name = e->d_name;
            if (wanted(name) && IsLinkLeaving(folderFd, dirPath, name)) names.push_back(name);
        }
        ::closedir(dir);
    }
    ::close(folderFd);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<FolderLock> FolderLock::Acquire(const std::string& folder, std::string_view lockName,
                                              std::chrono::milliseconds timeout, int* openError) {
    int ignored = 0;
    int& error = openError ? *openError : ignored;
    error = 0;
    // Read-only is enough for flock, so a lock file made by another user of a
    // shared folder serves as well; O_NONBLOCK keeps a planted pipe from blocking.
    const std::string path = JoinPath(folder, lockName);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = errno;
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = EINVAL;
        ::close(fd);
        return std::nullopt;
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return FolderLock(fd);
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(kLockRetryPause);
    }
    ::close(fd);
    return std::nullopt;
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace sk
