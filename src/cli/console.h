#pragma once

// The process's standard streams, as the command-line tool uses them.

#include "records/record_format.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace obrix::cli::console {

// Whether stream is connected to a terminal.
bool isTerminal(std::FILE* stream);

// Switches the standard streams to bytes as they are: no newline translation on Windows, so
// csv keeps its CR LF and records read from standard input keep theirs.
void useBinaryStreams();

// The command-line arguments after the program's name, as UTF-8 text on Windows (where argv is
// in the ANSI code page) and as given elsewhere.
std::vector<std::string> arguments(int argc, char** argv);

// Writes all of text to stream; the system's description of a failure, empty on success.
std::string writeAll(std::FILE* stream, std::string_view text);

// Flushes stream; the system's description of a failure, empty on success.
std::string flush(std::FILE* stream);

// Reads one record from standard input (at most as much of it as a record file is read).
records::ReadResult readStandardInputRecord();

} // namespace obrix::cli::console
