#pragma once

// Record files are 8-bit text in the system's ANSI code page: on Windows the code page the
// system is configured with, elsewhere Windows-1252 (see windows_1252.h).

#include <string>
#include <string_view>

namespace obrix::records {

// UTF-8 to one byte per character; characters the code page lacks become "?" (no look-alike
// substitution), as do the bytes of malformed UTF-8.
std::string utf8ToAnsi(std::string_view utf8);

// 8-bit text in the code page to well-formed UTF-8.
std::string ansiToUtf8(std::string_view bytes);

} // namespace obrix::records
