// The command line: what is accepted, what it means, and what is refused as a usage error.
#include "cli/options.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>
#include <vector>

using namespace obrix::cli;
using obrix::scoring::ComparisonGroup;

namespace {

ParsedCommandLine parse(const std::vector<std::string>& arguments) {
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    return parseCommandLine(views);
}

struct AcceptedCase {
    const char* name;
    std::vector<std::string> arguments;
    ComparisonGroup group;
    OutputFormat format;
    std::string separator;
    bool recursive;
    std::vector<std::string> paths;
};

std::ostream& operator<<(std::ostream& out, const AcceptedCase& c) {
    return out << c.name;
}

class AcceptedCommandLine : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedCommandLine, GivesTheseOptions) {
    const AcceptedCase& c = GetParam();
    const ParsedCommandLine parsed = parse(c.arguments);
    const Options* options = std::get_if<Options>(&parsed);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->group, c.group);
    EXPECT_EQ(options->format, c.format);
    EXPECT_EQ(options->decimalSeparator, c.separator);
    EXPECT_EQ(options->recursive, c.recursive);
    EXPECT_EQ(options->paths, c.paths);
}

constexpr auto kGeneral = ComparisonGroup::GeneralPopulation;
constexpr auto kOcd = ComparisonGroup::Ocd;

INSTANTIATE_TEST_SUITE_P(
    Options, AcceptedCommandLine,
    ::testing::Values(
        AcceptedCase{"Defaults", {"a.oci"}, kGeneral, OutputFormat::Table, ".", false, {"a.oci"}},
        AcceptedCase{"SeparateValues",
                     {"--group", "ocd", "--format", "csv", "--decimal-separator", ",", "d"},
                     kOcd,
                     OutputFormat::Csv,
                     ",",
                     false,
                     {"d"}},
        AcceptedCase{"ValuesAfterEquals",
                     {"--group=ocd", "--format=json", "--decimal-separator=;", "--recursive", "d"},
                     kOcd,
                     OutputFormat::Json,
                     ";",
                     true,
                     {"d"}},
        AcceptedCase{"OptionsAfterPaths",
                     {"a.oci", "-r", "b", "--format", "json"},
                     kGeneral,
                     OutputFormat::Json,
                     ".",
                     true,
                     {"a.oci", "b"}},
        AcceptedCase{
            "LastRepeatWins",
            {"--group", "ocd", "--group", "general", "--format=csv", "--format=table", "x"},
            kGeneral,
            OutputFormat::Table,
            ".",
            false,
            {"x"}},
        AcceptedCase{"MultiByteSeparator",
                     {"--decimal-separator", "\xC2\xB7", "x"},
                     kGeneral,
                     OutputFormat::Table,
                     "\xC2\xB7",
                     false,
                     {"x"}},
        AcceptedCase{"StandardInput", {"-"}, kGeneral, OutputFormat::Table, ".", false, {"-"}},
        AcceptedCase{"DoubleDashEndsOptions",
                     {"--", "--group", "-r", "-"},
                     kGeneral,
                     OutputFormat::Table,
                     ".",
                     false,
                     {"--group", "-r", "-"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string message;
};

std::ostream& operator<<(std::ostream& out, const RefusedCase& c) {
    return out << c.name;
}

class RefusedCommandLine : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCommandLine, IsAUsageError) {
    const RefusedCase& c = GetParam();
    const ParsedCommandLine parsed = parse(c.arguments);
    const UsageError* error = std::get_if<UsageError>(&parsed);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->message, c.message);
    EXPECT_EQ(error->message.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Options, RefusedCommandLine,
    ::testing::Values(
        RefusedCase{"NoPaths", {}, "no record file or folder given"},
        RefusedCase{"OnlyOptions", {"--format", "csv"}, "no record file or folder given"},
        RefusedCase{"UnknownLongOption", {"--colour", "x"}, "unrecognised option '--colour'"},
        RefusedCase{"UnknownShortOption", {"-x", "a"}, "unrecognised option '-x'"},
        RefusedCase{
            "FlagWithValue", {"--recursive=yes", "a"}, "unrecognised option '--recursive=yes'"},
        RefusedCase{
            "UnknownGroup", {"--group", "OCD", "a"}, "invalid group 'OCD' (use general or ocd)"},
        RefusedCase{"UnknownFormat",
                    {"--format=xml", "a"},
                    "invalid format 'xml' (use table, csv or json)"},
        RefusedCase{"OptionTakenAsValue",
                    {"--group", "--format", "csv", "a"},
                    "invalid group '--format' (use general or ocd)"},
        RefusedCase{"MissingValue", {"a", "--format"}, "option '--format' needs a value"},
        RefusedCase{"EmptySeparator",
                    {"--decimal-separator=", "a"},
                    "invalid decimal separator '' (use one character that is not a digit, a "
                    "sign or a control character)"},
        RefusedCase{"LongSeparator",
                    {"--decimal-separator", "..", "a"},
                    "invalid decimal separator '..' (use one character that is not a digit, a "
                    "sign or a control character)"},
        RefusedCase{"DigitSeparator",
                    {"--decimal-separator", "5", "a"},
                    "invalid decimal separator '5' (use one character that is not a digit, a "
                    "sign or a control character)"},
        RefusedCase{"MinusSeparator",
                    {"--decimal-separator=-", "a"},
                    "invalid decimal separator '-' (use one character that is not a digit, a "
                    "sign or a control character)"},
        RefusedCase{"ControlSeparator",
                    {"--decimal-separator", "\t", "a"},
                    "invalid decimal separator '\\x09' (use one character that is not a digit, "
                    "a sign or a control character)"},
        RefusedCase{"BrokenUtf8Separator",
                    {"--decimal-separator", "\xC2", "a"},
                    "invalid decimal separator '\xEF\xBF\xBD' (use one character that is not a "
                    "digit, a sign or a control character)"},
        RefusedCase{"EmptyPath", {""}, "an empty PATH was given"},
        RefusedCase{
            "StandardInputTwice", {"-", "a", "-"}, "standard input (-) can be read only once"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InformationOptions, WinOverEverythingBeforeThem) {
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(parse({"--help"})));
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(parse({"a.oci", "--format", "csv", "-h"})));
    EXPECT_TRUE(std::holds_alternative<ShowVersion>(parse({"--version"})));
    EXPECT_TRUE(std::holds_alternative<ShowVersion>(parse({"--group=ocd", "--version", "x"})));
    // After "--" they are paths.
    EXPECT_TRUE(std::holds_alternative<Options>(parse({"--", "--help"})));
}

TEST(InformationOptions, TextsNameTheProgramAndEveryOption) {
    EXPECT_TRUE(versionText().starts_with("obrix-score (Obrix) "));
    EXPECT_TRUE(versionText().ends_with("\n"));
    for (const char* option : {"--group", "--format", "--decimal-separator", "--recursive",
                               "--help", "--version", "Exit status"})
        EXPECT_NE(helpText().find(option), std::string_view::npos) << option;
}

} // namespace
