#pragma once

// Reading a file with the system's description of a failure, which std::ifstream lacks.
// One implementation per platform (file_access_posix.cpp, file_access_windows.cpp).

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

namespace obrix::records::file_access {

// Reads a whole file of at most limit bytes into bytes. A larger one fails with
// std::errc::file_too_large: at once when its size says so, else once reading finds more (a file
// growing meanwhile), so that never more than limit + 1 bytes are read.
std::error_code readSmallFile(const std::filesystem::path& path, std::size_t limit,
                              std::string& bytes);

} // namespace obrix::records::file_access
