#pragma once
// The folder chooser "Wähle das neue Programmverzeichnis" without the
// window: what its folder tree lists and how a chosen path is shown.

#include <string>
#include <string_view>
#include <vector>

namespace sk {

inline constexpr const char* kDataDirectoryWindowTitle = "Wähle das neue Programmverzeichnis";

// The folders inside `folder` (ending in "/"), sorted by name as a person
// reads them (case ignored for ASCII letters). Hidden folders (".name") are
// left out; links to folders are listed like folders. An unreadable folder
// has none.
std::vector<std::string> ListSubfolders(const std::string& folder);

// A top entry of the folder tree: what it is called and where it points
// (ending in "/").
struct FolderRoot {
    std::string label;
    std::string path;
};
// The tops of the folder tree, so that a shared folder mounted anywhere can
// be chosen: the local folder (the one holding "SKDaten") first, then the
// home folder, the usual places of mounted shares that exist ("/mnt",
// "/media", "/run/media/<user>") and the whole file system "/". A place
// already listed, or missing, is left out.
std::vector<FolderRoot> DataDirectoryRoots(const std::string& localFolder, const std::string& homeFolder,
                                           const std::string& userName);

// The path as the text field shows it: "\" as "/".
std::string DisplayedFolderPath(std::string_view path);

// Joins a folder ending in "/" and a name into a folder path ending in "/".
std::string ChildFolder(std::string_view folder, std::string_view name);

}  // namespace sk
