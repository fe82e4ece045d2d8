#pragma once

// A fresh folder under the system's temporary folder, removed with everything in it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace obrix::association::testing {

class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "obrix-association-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::string& path() const { return path_; }
    std::string operator/(std::string_view relative) const {
        return path_ + "/" + std::string(relative);
    }

private:
    std::string path_;
};

// Writes a file, making its folders.
inline void writeFile(const std::string& path, std::string_view content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A small shell script with the execute bit, standing in for a program.
inline void writeProgram(const std::string& path) {
    writeFile(path, "#!/bin/sh\nexit 0\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

} // namespace obrix::association::testing
