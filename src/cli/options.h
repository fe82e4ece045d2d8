#pragma once

// The command line of obrix-score: which records to score, against which norms, and in which
// output form.

#include "scoring/calculation.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace obrix::cli {

enum class OutputFormat { Table, Csv, Json };

struct Options {
    scoring::ComparisonGroup group = scoring::ComparisonGroup::GeneralPopulation;
    OutputFormat format = OutputFormat::Table;
    // Placed between the whole and the decimal digits of the scores in table and csv output.
    // Json numbers always use a period, whatever this holds.
    std::string decimalSeparator = ".";
    bool recursive = false;
    // Each client's records together, ordered by date of test, with the history columns.
    bool history = false;
    std::vector<std::string> paths; // record files, folders, or "-" for standard input
};

struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
    std::string message; // one line, without the program name and without the hint
};

using ParsedCommandLine = std::variant<Options, ShowHelp, ShowVersion, UsageError>;

// arguments excludes the program name. Options may be given as "--name value" or
// "--name=value", in any order and repeated (the last one counts); "--" ends the options.
ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& arguments);

std::string_view helpText();
std::string versionText();

} // namespace obrix::cli
