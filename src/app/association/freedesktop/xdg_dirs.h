#pragma once

// The XDG base folders the MIME database, desktop entries and default-application lists live in.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace obrix::association::freedesktop {

struct XdgDirs {
    std::string dataHome;                // "" when no home folder is known
    std::string configHome;              // "" when no home folder is known
    std::vector<std::string> dataDirs;   // most important first
    std::vector<std::string> configDirs; // most important first
    std::vector<std::string> desktops;   // XDG_CURRENT_DESKTOP, lower case, most important first
};

// Value of an environment variable, nullopt when unset.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The folder of that relative path in the data home and in each data folder, most important
// first.
std::vector<std::string> dataSubfolders(const XdgDirs& dirs, std::string_view relative);

// Resolves the folders from the variables, with the usual defaults. Relative paths are ignored
// as the base-directory rules demand: they would depend on the current folder.
XdgDirs resolveXdgDirs(const EnvironmentLookup& environment);

// From this process's environment; HOME falls back to the user's password-database entry.
XdgDirs xdgDirsFromEnvironment();

} // namespace obrix::association::freedesktop
