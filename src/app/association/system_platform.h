#pragma once

// The association backend of the system the program runs on, and the start-up step with it.

#include "app/association/platform.h"

#include <memory>
#include <string_view>

namespace obrix::association {

// The file name the registration names and looks for.
#ifdef _WIN32
inline constexpr std::string_view kOwnExecutableName = "Obrix.exe";
#else
inline constexpr std::string_view kOwnExecutableName = "Obrix";
#endif

// The Windows registry backend on Windows, the freedesktop one elsewhere.
std::unique_ptr<Platform> makeSystemPlatform();

// What start-up calls: RegisterFileType on the system backend with the program's own name.
void registerFileTypeForThisProgram() noexcept;

} // namespace obrix::association
