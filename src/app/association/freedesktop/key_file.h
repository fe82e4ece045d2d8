#pragma once

// Reading and editing the group/key text files of the desktop world: desktop entries,
// mimeapps.list, mimeinfo.cache.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace obrix::association::freedesktop {

// The value of key in [group] as written (escapes intact); nullopt when absent. The first
// [group] of that name counts.
std::optional<std::string> findKeyFileValue(std::string_view text, std::string_view group,
                                            std::string_view key);

// Undoes the \s \n \t \r \\ escapes of a string value; other backslashes stay.
std::string unescapeValue(std::string_view raw);

// Escapes a string value so that it reads back unchanged and stays on one line.
std::string escapeValue(std::string_view value);

// The items of a list value, split at semicolons not escaped by a backslash, empty ones
// dropped, escapes undone.
std::vector<std::string> splitListValue(std::string_view raw);

// The text with key=rawValue in [group]: the key's line replaced, or added at the end of the
// group, or the group added at the end. Every other line stays as it was.
std::string setKeyFileValue(std::string_view text, std::string_view group, std::string_view key,
                            std::string_view rawValue);

} // namespace obrix::association::freedesktop
