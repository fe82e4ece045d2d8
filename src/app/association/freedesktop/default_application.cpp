#include "app/association/freedesktop/default_application.h"

#include "app/association/freedesktop/exec_line.h"
#include "app/association/freedesktop/file_io.h"
#include "app/association/freedesktop/key_file.h"
#include "app/association/freedesktop/split.h"

#include <algorithm>
#include <optional>

namespace obrix::association::freedesktop {

namespace {

constexpr std::string_view kDesktopEntryGroup = "Desktop Entry";

std::vector<std::string> applicationFolders(const XdgDirs& dirs) {
    return dataSubfolders(dirs, "applications");
}

std::vector<std::string> listValue(const std::optional<std::string>& text, std::string_view group,
                                   std::string_view key) {
    if (!text)
        return {};
    const std::optional<std::string> raw = findKeyFileValue(*text, group, key);
    return raw ? splitListValue(*raw) : std::vector<std::string>();
}

bool contains(const std::vector<std::string>& items, std::string_view item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

} // namespace

std::vector<std::string> mimeappsListFiles(const XdgDirs& dirs) {
    std::vector<std::string> files;
    const auto addFolder = [&](const std::string& folder) {
        for (const std::string& desktop : dirs.desktops)
            files.push_back(folder + "/" + desktop + "-mimeapps.list");
        files.push_back(folder + "/mimeapps.list");
    };
    if (!dirs.configHome.empty())
        addFolder(dirs.configHome);
    for (const std::string& dir : dirs.configDirs)
        addFolder(dir);
    for (const std::string& folder : applicationFolders(dirs))
        addFolder(folder);
    return files;
}

std::string findDesktopEntry(const XdgDirs& dirs, std::string_view desktopId) {
    if (desktopId.empty() || desktopId.find('/') != std::string_view::npos)
        return {};
    for (const std::string& folder : applicationFolders(dirs)) {
        const std::string path = folder + "/" + std::string(desktopId);
        const std::optional<std::string> text = readRegularFile(path);
        if (!text)
            continue;
        // The first entry of an ID hides those of less important folders, also when hidden.
        const std::optional<std::string> hidden =
            findKeyFileValue(*text, kDesktopEntryGroup, "Hidden");
        return hidden && *hidden == "true" ? std::string() : path;
    }
    return {};
}

std::string defaultApplicationFor(const XdgDirs& dirs, std::string_view mimeType) {
    const std::string type(mimeType);
    std::vector<std::optional<std::string>> lists;
    for (const std::string& file : mimeappsListFiles(dirs))
        lists.push_back(readRegularFile(file));

    for (const std::optional<std::string>& list : lists) {
        for (const std::string& id : listValue(list, "Default Applications", type)) {
            if (!findDesktopEntry(dirs, id).empty())
                return id;
        }
    }

    std::vector<std::string> removed;
    for (const std::optional<std::string>& list : lists) {
        for (std::string& id : listValue(list, "Removed Associations", type))
            removed.push_back(std::move(id));
    }
    std::vector<std::string> candidates;
    for (const std::optional<std::string>& list : lists) {
        for (std::string& id : listValue(list, "Added Associations", type))
            candidates.push_back(std::move(id));
    }
    for (const std::string& folder : applicationFolders(dirs)) {
        for (std::string& id :
             listValue(readRegularFile(folder + "/mimeinfo.cache"), "MIME Cache", type))
            candidates.push_back(std::move(id));
    }
    for (const std::string& id : candidates) {
        if (!contains(removed, id) && !findDesktopEntry(dirs, id).empty())
            return id;
    }
    return {};
}

std::string programOfDesktopEntry(std::string_view entryText, std::string_view searchPath) {
    const std::optional<std::string> exec = findKeyFileValue(entryText, kDesktopEntryGroup, "Exec");
    if (!exec)
        return {};
    const std::optional<std::string> program = execProgram(unescapeValue(*exec));
    if (!program)
        return {};
    if (program->find('/') != std::string::npos)
        return program->front() == '/' && isExecutableFile(*program) ? *program : std::string();

    for (const std::string_view folder : splitAt(searchPath, ':')) {
        // Only absolute folders: a program found relative to the current folder is a guess.
        if (folder.empty() || folder.front() != '/')
            continue;
        std::string candidate(folder);
        if (candidate.back() != '/')
            candidate += '/';
        candidate += *program;
        if (isExecutableFile(candidate))
            return candidate;
    }
    return {};
}

} // namespace obrix::association::freedesktop
