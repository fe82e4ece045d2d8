#pragma once

// Splitting the separated lists of the freedesktop files and variables (PATH-like lists, glob
// fields, flags).

#include <string_view>
#include <vector>

namespace obrix::association::freedesktop {

// The parts of text between separators, empty ones included: "a::b" gives "a", "", "b" and ""
// gives one empty part. The parts point into text.
inline std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

} // namespace obrix::association::freedesktop
