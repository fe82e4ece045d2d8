#include "cli/options.h"

#include "export/text_escaping.h"

#include <optional>
#include <utility>

#ifndef OBRIX_VERSION
#define OBRIX_VERSION "unknown"
#endif

namespace obrix::cli {

using exporting::characterCount;
using exporting::validUtf8;
using exporting::visibleText;

namespace {

using scoring::ComparisonGroup;

constexpr std::string_view kHelp =
    R"(Usage: obrix-score [OPTION]... PATH...
Score OCI-R record files (.oci): for each record, the raw score, z-score and
percentile of the six subscales and the total, exactly as the Obrix window
shows them.

A PATH is a record file, a folder (every *.oci file in it, sorted by name;
hidden files are skipped), or - for one record read from standard input.

Options:
  --group general|ocd       norms to compare with: the general population
                            sample (default) or the OCD population sample
  --format table|csv|json   output form (default: table)
  --decimal-separator C     the character between whole and decimal digits of
                            the scores in table and csv output (default: .);
                            a csv field holding a comma is put in quotes.
                            Json numbers always use a period.
  -r, --recursive           also score the records in subfolders of a folder
      --history             group the records by client (identifier, blanks at
                            both ends ignored), each client's ordered by date of
                            test and then file path, and add the columns
                            administration, total_change_from_first,
                            total_change_from_previous and
                            total_at_or_above_cutoff (Total of 21 or more)
  -h, --help                show this help and exit
      --version             show the version and exit

Records that cannot be read or whose items are not all between 0 and 4 are
named on standard error, one line each, and left out of the output; so is a
folder PATH that holds no record file (its subfolders count with --recursive).

Exit status: 0 when every record was scored, 1 when some record was left out
or a folder held none (or the output could not be written), 2 for a wrong
command line.
)";

// The option names that take a value.
constexpr std::string_view kGroup = "--group";
constexpr std::string_view kFormat = "--format";
constexpr std::string_view kDecimalSeparator = "--decimal-separator";

std::optional<ComparisonGroup> parseGroup(std::string_view text) {
    if (text == "general")
        return ComparisonGroup::GeneralPopulation;
    if (text == "ocd")
        return ComparisonGroup::Ocd;
    return std::nullopt;
}

std::optional<OutputFormat> parseFormat(std::string_view text) {
    if (text == "table")
        return OutputFormat::Table;
    if (text == "csv")
        return OutputFormat::Csv;
    if (text == "json")
        return OutputFormat::Json;
    return std::nullopt;
}

// One printable character that cannot be mistaken for part of a number.
bool acceptableSeparator(std::string_view text) {
    if (text.empty() || validUtf8(text) != text || characterCount(text) != 1)
        return false;
    if (visibleText(text) != text) // a control character
        return false;
    const char c = text.front();
    return !(c >= '0' && c <= '9') && c != '-' && c != '+';
}

std::string quoted(std::string_view text) {
    return "'" + visibleText(validUtf8(text)) + "'";
}

// Applies the value of one of the options that take a value; a usage error message on failure.
std::optional<std::string> applyValue(Options& options, std::string_view name,
                                      std::string_view value) {
    if (name == kGroup) {
        const auto group = parseGroup(value);
        if (!group)
            return "invalid group " + quoted(value) + " (use general or ocd)";
        options.group = *group;
    } else if (name == kFormat) {
        const auto format = parseFormat(value);
        if (!format)
            return "invalid format " + quoted(value) + " (use table, csv or json)";
        options.format = *format;
    } else {
        if (!acceptableSeparator(value))
            return "invalid decimal separator " + quoted(value) +
                   " (use one character that is not a digit, a sign or a control character)";
        options.decimalSeparator = std::string(value);
    }
    return std::nullopt;
}

bool takesValue(std::string_view name) {
    return name == kGroup || name == kFormat || name == kDecimalSeparator;
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& arguments) {
    Options options;
    bool optionsEnded = false;
    int standardInputs = 0;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument.front() == '-';
        if (!isOption) {
            if (argument.empty())
                return UsageError{"an empty PATH was given"};
            if (argument == "-" && ++standardInputs > 1)
                return UsageError{"standard input (-) can be read only once"};
            options.paths.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "-h" || argument == "--help")
            return ShowHelp{};
        if (argument == "--version")
            return ShowVersion{};
        if (argument == "-r" || argument == "--recursive") {
            options.recursive = true;
            continue;
        }
        if (argument == "--history") {
            options.history = true;
            continue;
        }

        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (!argument.starts_with("--") || !takesValue(name))
            return UsageError{"unrecognised option " + quoted(argument)};
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (index + 1 < arguments.size()) {
            value = arguments[++index];
        } else {
            return UsageError{"option " + quoted(name) + " needs a value"};
        }
        if (auto problem = applyValue(options, name, value))
            return UsageError{std::move(*problem)};
    }
    if (options.paths.empty())
        return UsageError{"no record file or folder given"};
    return options;
}

std::string_view helpText() {
    return kHelp;
}

std::string versionText() {
    return std::string("obrix-score (Obrix) ") + OBRIX_VERSION + "\n";
}

} // namespace obrix::cli
