#pragma once

// Puts new contents into a file, keeping the file's identity, so that a failure never harms the
// previous contents. One implementation per platform (file_replace_gio.cpp,
// file_replace_windows.cpp).

#include <filesystem>
#include <string>
#include <string_view>

namespace obrix::records {

// Writes bytes to the regular file at path, creating it when missing. Returns an empty string
// on success, otherwise the system's description of the failure.
std::string replaceFileContents(const std::filesystem::path& path, std::string_view bytes);

} // namespace obrix::records
