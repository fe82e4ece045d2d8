#pragma once

// Runs the desktop's database tools (update-mime-database, update-desktop-database).

#include <chrono>
#include <string>
#include <vector>

namespace obrix::association::freedesktop {

// Runs arguments[0], looked up in PATH, with the arguments; no shell is involved, so nothing
// in them is interpreted. Input and output go to /dev/null. Waits at most timeout, then kills
// the program. True when it ran and exited with status 0.
bool runTool(const std::vector<std::string>& arguments,
             std::chrono::milliseconds timeout = std::chrono::seconds(20));

} // namespace obrix::association::freedesktop
