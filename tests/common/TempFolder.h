#pragma once
// A fresh temporary folder per test, removed with everything in it, and the
// file helpers the tests use inside it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "base/FileIO.h"

namespace sk::testing {

inline void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The bytes of a file, "<missing>" when it cannot be read.
inline std::string ReadFile(const std::string& path) { return ReadFileBytes(path).value_or("<missing>"); }

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "sk-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, without a trailing "/".
    const std::string& Path() const { return path_; }
    // The folder with a trailing "/", the way the program keeps folders.
    std::string Dir() const { return path_ + "/"; }
    std::string File(const std::string& name) const { return Dir() + name; }

    void Put(const std::string& name, const std::string& bytes) const { WriteFile(File(name), bytes); }
    // The bytes of a file in the folder, "" when it is missing.
    std::string Get(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }
    std::size_t Count() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
    }

private:
    std::string path_;
};

}  // namespace sk::testing
