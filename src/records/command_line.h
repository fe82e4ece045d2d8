#pragma once

// Finding the record file named on the program's command line at start-up.
//
// A Windows command line arrives as one string. Its argument text (what follows the program's
// name) is split at every occurrence of the three characters double quote, blank, double quote,
// and the double quotes are removed from each piece, so that one path, one quoted path and
// several quoted paths separated by one blank all give their paths. Elsewhere the program gets an
// argument list, and each argument is one candidate. In both forms the last candidate that names
// an existing ordinary file is the one opened.
//
// All strings are UTF-8.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace obrix::records {

// Tells whether a path names a file that may be opened as a record.
using FileTest = std::function<bool(const std::string& path)>;

// The argument text of a whole Windows command line: what follows the program's name (quoted or
// not) and the blanks and tabs after it. Empty when nothing follows.
std::string argumentText(std::string_view commandLine);

// The candidates of an argument text: the pieces between the separators, double quotes removed,
// the first and the last piece included. An empty text has no candidates.
std::vector<std::string> candidatesFromText(std::string_view text);

// One candidate per argument: the argument as given when it names a file (a double quote is a
// legal character in a file name here), otherwise the argument with its double quotes removed,
// for launchers that hand over a path still in quotes.
std::vector<std::string> candidatesFromArguments(const std::vector<std::string>& arguments,
                                                 const FileTest& exists);

// The last candidate that passes the test; nothing when none does.
std::optional<std::string> chooseStartupFile(const std::vector<std::string>& candidates,
                                             const FileTest& exists);

// Why no candidate could be opened: the reason the last one that exists is no ordinary file
// ("Not a regular file" for a pipe or device, "Is a directory"), as File > Open gives it; else
// "No such file or directory".
std::string noStartupFileReason(const std::vector<std::string>& candidates);

// True when path names an existing ordinary file, following symbolic links: not a folder, not a
// device or pipe, and on Windows not a file marked hidden or system. Wildcards are not patterns:
// "*" and "?" only match themselves (where a file name may contain them at all). Elsewhere a file
// whose name starts with a period counts, since it was named explicitly.
bool isOrdinaryFile(const std::string& path);

} // namespace obrix::records
