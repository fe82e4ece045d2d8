#pragma once

// The Exec key of desktop entries: one program and its arguments, quoted by its own rules
// (inside "...", the characters " ` $ \ are escaped with a backslash; a literal % is %%).

#include <optional>
#include <string>
#include <string_view>

namespace obrix::association::freedesktop {

// One Exec argument, quoted so that blanks and special characters stay part of it. The
// result is the unescaped Exec; escapeValue turns it into the text of the entry.
std::string quoteExecArgument(std::string_view argument);

// The program (first argument) of an unescaped Exec value; nullopt when there is none or the
// quoting is broken.
std::optional<std::string> execProgram(std::string_view exec);

} // namespace obrix::association::freedesktop
