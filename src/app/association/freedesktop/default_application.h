#pragma once

// Which program opens files of a MIME type, asked the freedesktop way: the default-application
// lists (mimeapps.list), then the applications that declare the type (mimeinfo.cache).

#include "app/association/freedesktop/xdg_dirs.h"

#include <string>
#include <string_view>
#include <vector>

namespace obrix::association::freedesktop {

// The mimeapps.list files, most important first.
std::vector<std::string> mimeappsListFiles(const XdgDirs& dirs);

// Path of the installed desktop entry with this ID (e.g. "obrix.desktop"); "" when there is
// none or it is hidden.
std::string findDesktopEntry(const XdgDirs& dirs, std::string_view desktopId);

// ID of the desktop entry that opens files of this MIME type: the first installed entry of the
// first list naming defaults for it; else the first installed entry added or declared for the
// type that no list removes; "" when none.
std::string defaultApplicationFor(const XdgDirs& dirs, std::string_view mimeType);

// Absolute path of the program an entry's Exec starts, a bare name searched in the folders of
// searchPath; "" when the entry has no usable Exec or the program is not an executable file.
std::string programOfDesktopEntry(std::string_view entryText, std::string_view searchPath);

} // namespace obrix::association::freedesktop
