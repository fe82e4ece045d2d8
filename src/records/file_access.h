#pragma once

// The few file-system steps record files need that std::filesystem lacks: reading with the
// system's error, writing that reaches the disk, and replacing a file in one step.
// One implementation per platform (file_access_posix.cpp, file_access_windows.cpp).

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>

namespace obrix::records::file_access {

// Reads at most limit bytes from the start of a regular file into bytes.
std::error_code readPrefix(const std::filesystem::path& path, std::size_t limit,
                           std::string& bytes);

// Fails unless the existing file at path may be written by this process.
std::error_code checkWritable(const std::filesystem::path& path);

// Creates a new file with a unique name in folder, writes bytes and flushes them to the disk.
// On success temporary names it; on failure nothing is left behind. When permissionsFrom names
// an existing file, the new file takes over its permissions.
std::error_code writeTemporary(const std::filesystem::path& folder, const std::string& bytes,
                               const std::filesystem::path& permissionsFrom,
                               std::filesystem::path& temporary);

// Puts from in place of to in one step, replacing an existing file, and makes the change
// durable where the platform needs a separate step for that.
std::error_code replace(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace obrix::records::file_access
