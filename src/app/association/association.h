#pragma once

// The `.oci` file-type registration run at every start-up: ask the shell which program opens
// `.oci` files and, unless it is this one, register this program for them. Nothing is shown to
// the user and nothing here can stop start-up.

#include "app/association/platform.h"

#include <string>
#include <string_view>

namespace obrix::association {

inline constexpr std::string_view kRecordExtension = "OCI"; // asked about, without the dot
inline constexpr std::string_view kTempFilePrefix = "~";
inline constexpr std::string_view kExtensionKey = ".oci";
inline constexpr std::string_view kFileTypeKey = "OCI-R";
inline constexpr std::string_view kFileTypeDescription = "Obrix";
inline constexpr std::string_view kOpenCommandSubkey = "shell\\open\\command";
inline constexpr std::string_view kDefaultIconSubkey = "DefaultIcon";
inline constexpr std::string_view kIconFileName = "OCI-R.ico";

// The part of path after its last separator; the whole path when it holds none.
std::string StripPath(std::string_view path, char separator = '\\');

// Full path of the program the shell starts for files with this extension (given without the
// dot), found by asking about an empty probe file that exists only during the call; "" when
// no program is associated or no probe file could be made.
std::string GetAssociatedProgram(Platform& platform, std::string_view extension);

// The program folder with a separator appended unless it already ends in one; "" when the
// folder is unknown.
std::string ProgramFolderWithSeparator(Platform& platform);

// The command that opens a record: the executable path and the file placeholder, each quoted
// so that blanks in the folder cannot split the command into another program and arguments.
std::string OpenCommand(std::string_view programFolder, std::string_view executableName);

// The start-up step. executableName is the program's own file name ("Obrix.exe" on Windows):
// when the shell already starts a file of that exact name for `.oci` files, in any folder,
// nothing is written; otherwise the four class-root values are written and the shell is told.
void RegisterFileType(Platform& platform, std::string_view executableName) noexcept;

} // namespace obrix::association
