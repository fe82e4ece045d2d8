#pragma once

// Puts new contents into a file, keeping the file's identity, so that a failure never harms the
// previous contents. One implementation per platform (file_replace_gio.cpp,
// file_replace_windows.cpp). The program itself reaches the GIO one in the module obrix-gio
// (file_replace_in_module.cpp), so that it links GIO only once it saves.

#include <filesystem>
#include <string>
#include <string_view>

namespace obrix::records {

// Writes bytes to the regular file at path, creating it when missing. Returns an empty string
// on success, otherwise the system's description of the failure.
std::string replaceFileContents(const std::filesystem::path& path, std::string_view bytes);

// The module's entry point for it.
inline constexpr const char* kReplaceFileContentsEntry = "obrixReplaceFileContents";
using ReplaceFileContentsEntry = std::string (*)(const std::filesystem::path&, std::string_view);

} // namespace obrix::records
