#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace obrix::ui::help {

// Joins fixed Latin-1 lines into one text in which every line, the last included, ends with
// CR LF, the program's line break.
QString joinCrLfLines(std::span<const std::string_view> lines);

} // namespace obrix::ui::help
