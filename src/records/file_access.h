#pragma once

// Reading a file with the system's description of a failure, which std::ifstream lacks.
// One implementation per platform (file_access_posix.cpp, file_access_windows.cpp).

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

namespace obrix::records::file_access {

// Reads at most limit bytes from the start of a regular file into bytes.
std::error_code readPrefix(const std::filesystem::path& path, std::size_t limit,
                           std::string& bytes);

} // namespace obrix::records::file_access
