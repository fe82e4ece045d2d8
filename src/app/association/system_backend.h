#pragma once

// The association backend of the system the program runs on, and the start-up step with it.

#include "app/association/backend.h"

#include <memory>
#include <string_view>

namespace obrix::association {

// The file name the registration names and looks for.
#ifdef _WIN32
inline constexpr std::string_view kOwnExecutableName = "Obrix.exe";
#else
inline constexpr std::string_view kOwnExecutableName = "Obrix";
#endif

// The Windows shell and registry on Windows, GIO elsewhere.
std::unique_ptr<Backend> makeSystemBackend();

// What start-up calls: RegisterFileType on the system backend with the program's own name.
void registerFileTypeForThisProgram() noexcept;

} // namespace obrix::association
