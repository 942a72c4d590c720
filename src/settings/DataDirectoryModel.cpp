#include "settings/DataDirectoryModel.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

namespace sk {

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool ReadsBefore(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = LowerAscii(a[i]), y = LowerAscii(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;  // names differing only in case keep a fixed order
}

}  // namespace

std::vector<FolderRoot> DataDirectoryRoots(const std::string& localFolder, const std::string& homeFolder,
                                           const std::string& userName) {
    std::vector<FolderRoot> roots;
    const auto add = [&roots](const std::string& label, std::string path) {
        if (path.empty()) return;
        if (path.back() != '/') path.push_back('/');
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
        for (const FolderRoot& r : roots)
            if (r.path == path) return;
        roots.push_back({label, path});
    };
    add("Lokaler Ordner (" + localFolder + ")", localFolder);
    add("Persönlicher Ordner (" + homeFolder + ")", homeFolder);
    add("/mnt", "/mnt");
    add("/media", "/media");
    if (!userName.empty()) add("/run/media/" + userName, "/run/media/" + userName);
    add("Dateisystem (/)", "/");
    return roots;
}

std::vector<std::string> ListSubfolders(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.empty() || name[0] == '.') continue;
        struct stat st {};
        if (::stat((folder + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode)) names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), ReadsBefore);
    return names;
}

std::string DisplayedFolderPath(std::string_view path) {
    std::string shown(path);
    std::replace(shown.begin(), shown.end(), '\\', '/');
    return shown;
}

std::string ChildFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path.push_back('/');
    path += name;
    path.push_back('/');
    return path;
}

}  // namespace sk
