#pragma once

// Puts new contents into a file, keeping the file's identity, so that a failure never harms the
// previous contents. One implementation per platform (file_replace_posix.cpp,
// file_replace_windows.cpp).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace obrix::records {

// Writes bytes to the regular file at path, creating it when missing. Returns an empty string
// on success, otherwise the system's description of the failure.
std::string replaceFileContents(const std::filesystem::path& path, std::string_view bytes);

// The copy of the previous contents left by a save of path that wrote in place and was
// interrupted, when it differs from the file (an equal one is removed); nothing when there is
// none or a save is under way.
std::optional<std::filesystem::path> interruptedSaveCopy(const std::filesystem::path& path);

// Puts that copy's contents back into the file at path (in place, keeping its identity) and
// removes the copy. Returns an empty string on success, otherwise the system's description.
std::string restoreSaveCopy(const std::filesystem::path& path, const std::filesystem::path& copy);

} // namespace obrix::records
