#pragma once

// Conversion between UTF-8 and the Windows-1252 code page, the 8-bit code page record files use
// where the system has no ANSI code page of its own.

#include <string>
#include <string_view>

namespace obrix::records {

// One byte per character. Characters that Windows-1252 lacks, and every byte of malformed UTF-8,
// become "?". The C1 controls U+0081, U+008D, U+008F, U+0090 and U+009D map to the five bytes
// Windows-1252 leaves undefined, so that every byte value reads back as it was written.
std::string utf8ToWindows1252(std::string_view utf8);

// Every byte has a character: the five undefined bytes read as the matching C1 controls.
// The result is always well-formed UTF-8.
std::string windows1252ToUtf8(std::string_view bytes);

} // namespace obrix::records
