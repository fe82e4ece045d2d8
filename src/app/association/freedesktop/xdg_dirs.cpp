#include "app/association/freedesktop/xdg_dirs.h"

#include "app/association/freedesktop/ascii.h"
#include "app/association/freedesktop/split.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace obrix::association::freedesktop {

namespace {

bool isAbsolute(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string absoluteOrEmpty(const std::optional<std::string>& value) {
    return value && isAbsolute(*value) ? withoutTrailingSlashes(*value) : std::string();
}

std::vector<std::string> absoluteList(const std::optional<std::string>& value,
                                      std::string_view fallback) {
    std::vector<std::string> folders;
    const std::string_view list = value && !value->empty() ? std::string_view(*value) : fallback;
    for (const std::string_view part : splitAt(list, ':')) {
        if (isAbsolute(part))
            folders.push_back(withoutTrailingSlashes(std::string(part)));
    }
    return folders;
}

std::string homeBased(const std::optional<std::string>& variable, const std::string& home,
                      std::string_view relative) {
    std::string folder = absoluteOrEmpty(variable);
    if (folder.empty() && !home.empty())
        folder = (home == "/" ? std::string() : home) + "/" + std::string(relative);
    return folder;
}

} // namespace

std::vector<std::string> dataSubfolders(const XdgDirs& dirs, std::string_view relative) {
    std::vector<std::string> folders;
    if (!dirs.dataHome.empty())
        folders.push_back(dirs.dataHome + "/" + std::string(relative));
    for (const std::string& dir : dirs.dataDirs)
        folders.push_back(dir + "/" + std::string(relative));
    return folders;
}

XdgDirs resolveXdgDirs(const EnvironmentLookup& environment) {
    XdgDirs dirs;
    const std::string home = absoluteOrEmpty(environment("HOME"));
    dirs.dataHome = homeBased(environment("XDG_DATA_HOME"), home, ".local/share");
    dirs.configHome = homeBased(environment("XDG_CONFIG_HOME"), home, ".config");
    dirs.dataDirs = absoluteList(environment("XDG_DATA_DIRS"), "/usr/local/share:/usr/share");
    dirs.configDirs = absoluteList(environment("XDG_CONFIG_DIRS"), "/etc/xdg");
    if (const std::optional<std::string> desktops = environment("XDG_CURRENT_DESKTOP")) {
        for (const std::string_view desktop : splitAt(*desktops, ':')) {
            if (!desktop.empty())
                dirs.desktops.push_back(lowerAscii(desktop));
        }
    }
    return dirs;
}

XdgDirs xdgDirsFromEnvironment() {
    return resolveXdgDirs([](std::string_view name) -> std::optional<std::string> {
        const std::string key(name);
        if (const char* value = std::getenv(key.c_str()))
            return std::string(value);
        if (name != "HOME")
            return std::nullopt;
        struct passwd entry {};
        struct passwd* found = nullptr;
        char buffer[4096];
        if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found &&
            found->pw_dir)
            return std::string(found->pw_dir);
        return std::nullopt;
    });
}

} // namespace obrix::association::freedesktop
