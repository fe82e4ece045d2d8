#pragma once

// ASCII-only case folding: MIME patterns, registry key names and desktop names are compared
// without case in ASCII only, whatever the locale.

#include <string>
#include <string_view>

namespace obrix::association::freedesktop {

inline std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

} // namespace obrix::association::freedesktop
