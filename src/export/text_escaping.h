#pragma once

// Putting untrusted text (identifiers, file names) into the output forms: every output is
// well-formed UTF-8, and nothing read from a record or a file name can break a table line, a
// csv field or a json string, or send control sequences to a terminal.

#include <cstddef>
#include <string>
#include <string_view>

namespace obrix::exporting {

// text with every byte that is not part of well-formed UTF-8 replaced by U+FFFD. File names
// are bytes on most systems; this is how one that is not UTF-8 is shown.
std::string validUtf8(std::string_view text);

// The number of characters (code points) of well-formed UTF-8 text.
std::size_t characterCount(std::string_view utf8);

// utf8 for a terminal or a line of standard error: C0 and C1 control characters and DEL are
// written as \xHH (\n as "\x0A"), so that one record stays on its lines and cannot move the
// cursor or change the terminal's colours.
std::string visibleText(std::string_view utf8);

// Appends utf8 as one csv field: in double quotes, with inner double quotes doubled, when it
// holds a comma, a double quote, CR or LF; as it is otherwise.
void appendCsvField(std::string& out, std::string_view utf8);

// Appends utf8 as a json string: in double quotes, with the double quote, the backslash and
// every control character below U+0020 escaped.
void appendJsonString(std::string& out, std::string_view utf8);

} // namespace obrix::exporting
