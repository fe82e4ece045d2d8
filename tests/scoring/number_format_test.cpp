// The general number format.
#include "scoring/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <ostream>
#include <string>

using obrix::scoring::formatGeneral;

namespace {

struct FormatCase {
    double value;
    std::string separator;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c) {
    return out << c.value << " with \"" << c.separator << "\" -> " << c.expected;
}

class GeneralFormat : public ::testing::TestWithParam<FormatCase> {};
TEST_P(GeneralFormat, Prints) {
    EXPECT_EQ(formatGeneral(GetParam().value, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ResultFigures, GeneralFormat,
    ::testing::Values(FormatCase{1.44, ".", "1.44"}, FormatCase{1.44, ",", "1,44"},
                      FormatCase{-1.7, ".", "-1.7"}, FormatCase{-1.7, ",", "-1,7"},
                      FormatCase{0.24, ".", "0.24"}, FormatCase{-0.24, ",", "-0,24"},
                      FormatCase{3.84, ".", "3.84"}, FormatCase{92.45, ",", "92,45"},
                      FormatCase{51.4, ".", "51.4"}, FormatCase{100, ".", "100"},
                      FormatCase{100, ",", "100"}, FormatCase{0.6, ".", "0.6"},
                      FormatCase{2.62, ".", "2.62"}, FormatCase{36, ",", "36"},
                      FormatCase{72, ".", "72"}, FormatCase{0.01, ".", "0.01"}));

INSTANTIATE_TEST_SUITE_P(Zero, GeneralFormat,
                         ::testing::Values(FormatCase{0.0, ".", "0"}, FormatCase{-0.0, ".", "0"},
                                           FormatCase{-0.0, ",", "0"}));

// At most 15 significant digits, then trailing zeros stripped, as VB's Str/CStr.
INSTANTIATE_TEST_SUITE_P(
    FifteenDigits, GeneralFormat,
    ::testing::Values(
        FormatCase{0.1 + 0.2, ".", "0.3"}, FormatCase{1.0 / 3, ".", "0.333333333333333"},
        FormatCase{2.0 / 3, ",", "0,666666666666667"},
        FormatCase{-2.0 / 3, ".", "-0.666666666666667"}, FormatCase{0.9999999999999999, ".", "1"},
        FormatCase{-0.9999999999999999, ".", "-1"},
        FormatCase{123456789012345678.0, ".", "123456789012346000"},
        FormatCase{999999999999999.9, ".", "1000000000000000"},
        FormatCase{123456.789012345, ".", "123456.789012345"},
        FormatCase{1e20, ".", "100000000000000000000"}, FormatCase{1e-5, ".", "0.00001"},
        FormatCase{0.000123, ",", "0,000123"}, FormatCase{-0.000123, ".", "-0.000123"},
        FormatCase{1.5e-10, ".", "0.00000000015"}));

INSTANTIATE_TEST_SUITE_P(AnySeparator, GeneralFormat,
                         ::testing::Values(FormatCase{12345.678, " dec ", "12345 dec 678"},
                                           FormatCase{0.5, "\xc2\xb7",
                                                      "0\xc2\xb7"
                                                      "5"},
                                           FormatCase{0.5, "", "05"}, FormatCase{12, "||", "12"}));

INSTANTIATE_TEST_SUITE_P(
    NonFinite, GeneralFormat,
    ::testing::Values(FormatCase{std::numeric_limits<double>::infinity(), ".", "Infinity"},
                      FormatCase{-std::numeric_limits<double>::infinity(), ".", "-Infinity"},
                      FormatCase{std::numeric_limits<double>::quiet_NaN(), ".", "NaN"}));

TEST(GeneralFormatExtremes, LargestAndSmallestDoubles) {
    const std::string largest = formatGeneral(std::numeric_limits<double>::max(), ".");
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 15), "179769313486232");
    const std::string smallest = formatGeneral(std::numeric_limits<double>::denorm_min(), ".");
    EXPECT_EQ(smallest.substr(0, 2), "0.");
    EXPECT_EQ(smallest.substr(smallest.size() - 15), "494065645841247");
}

// The separator is the one passed in, whatever the C locale says.
TEST(GeneralFormatLocale, IgnoresTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "German"})
        if ((german = std::setlocale(LC_ALL, name)) != nullptr)
            break;
    if (german == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const std::string text = formatGeneral(1.44, ".");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(text, "1.44");
}

} // namespace
