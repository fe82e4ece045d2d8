#pragma once

// The `.oci` file-type registration run at every start-up: ask the desktop which program opens
// `.oci` files and, unless it is this one, register this program for them. Nothing is shown to
// the user and nothing here can stop start-up.

#include "app/association/backend.h"

#include <string>
#include <string_view>

namespace obrix::association {

inline constexpr std::string_view kRecordExtension = "OCI"; // asked about, without the dot
inline constexpr std::string_view kTempFilePrefix = "~";
inline constexpr std::string_view kExtensionKey = ".oci";
inline constexpr std::string_view kFileTypeKey = "OCI-R";
inline constexpr std::string_view kFileTypeDescription = "Obrix";
inline constexpr std::string_view kIconFileName = "OCI-R.ico";

// The part of path after its last separator; the whole path when it holds none.
std::string StripPath(std::string_view path, char separator = '\\');

// The probe file asked about: the temporary file's path with the extension of its file name
// replaced (a name without one gets one). Dots in folder names are left alone.
std::string ProbeFilePath(std::string_view tempFile, std::string_view extension, char separator);

// The Windows command that opens a record: the program and the file placeholder, each quoted so
// that blanks in the folder cannot split the command into another program and arguments.
std::string OpenCommand(std::string_view program);

// The start-up step. executableName is the program's own file name ("Obrix.exe" on Windows):
// when the desktop already starts a file of that exact name for `.oci` files, in any folder,
// nothing is registered; otherwise the file type is registered for the program in its own
// folder and the desktop is told.
void RegisterFileType(Backend& backend, std::string_view executableName) noexcept;

} // namespace obrix::association
