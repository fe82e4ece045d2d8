#pragma once

// File-system paths from and to UTF-8 text, so that names outside the 8-bit code page survive on
// every platform (a std::string path would be taken as ANSI text on Windows).

#include <filesystem>
#include <string>
#include <string_view>

namespace obrix::records {

inline std::filesystem::path utf8Path(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8String(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace obrix::records
