// Reading a text by its numeric prefix (VB's Val).
#include "scoring/numeric_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

using obrix::scoring::readNumber;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct NumericCase {
    std::string text;
    double expected;
};

std::ostream& operator<<(std::ostream& out, const NumericCase& c) {
    return out << '"' << c.text << "\" -> " << c.expected;
}

void expectReads(const NumericCase& c) {
    const double actual = readNumber(c.text);
    if (std::isinf(c.expected) || c.expected == 0)
        EXPECT_EQ(actual, c.expected);
    else
        EXPECT_DOUBLE_EQ(actual, c.expected);
}

class DecimalPrefix : public ::testing::TestWithParam<NumericCase> {};
TEST_P(DecimalPrefix, Reads) {
    expectReads(GetParam());
}

// The documented examples and the forms around them.
INSTANTIATE_TEST_SUITE_P(
    SpecExamples, DecimalPrefix,
    ::testing::Values(NumericCase{"3", 3}, NumericCase{"2abc", 2}, NumericCase{"abc", 0},
                      NumericCase{"1 2", 12}, NumericCase{"2.5", 2.5}, NumericCase{"", 0},
                      NumericCase{" ", 0}, NumericCase{"04", 4}, NumericCase{"003", 3},
                      NumericCase{"44", 44}, NumericCase{"012", 12}, NumericCase{"4.01", 4.01},
                      NumericCase{"4.0", 4}, NumericCase{"4.4", 4.4}, NumericCase{"-0.4", -0.4},
                      NumericCase{"0.4", 0.4}, NumericCase{"3.6", 3.6}));

INSTANTIATE_TEST_SUITE_P(Blanks, DecimalPrefix,
                         ::testing::Values(NumericCase{"  3", 3}, NumericCase{"3  ", 3},
                                           NumericCase{"\t4\n", 4}, NumericCase{"1\t2", 12},
                                           NumericCase{"1\n2", 12}, NumericCase{"1\r\n2", 12},
                                           NumericCase{"3\r\n", 3}, NumericCase{"- 3", -3},
                                           NumericCase{"1 . 5", 1.5}, NumericCase{"1 e 2", 100},
                                           NumericCase{"\t\n \r", 0}));

INSTANTIATE_TEST_SUITE_P(SignsAndPoints, DecimalPrefix,
                         ::testing::Values(NumericCase{"+3", 3}, NumericCase{"-3", -3},
                                           NumericCase{"-", 0}, NumericCase{"+", 0},
                                           NumericCase{"--1", 0}, NumericCase{"+-1", 0},
                                           NumericCase{".5", 0.5}, NumericCase{"-.5", -0.5},
                                           NumericCase{"5.", 5}, NumericCase{".", 0},
                                           NumericCase{"1.2.3", 1.2}, NumericCase{"1..5", 1},
                                           NumericCase{"1,5", 1}, NumericCase{"$3", 0},
                                           NumericCase{"3%", 3}, NumericCase{"0.000", 0},
                                           NumericCase{"00012.500", 12.5}, NumericCase{"3.9", 3.9},
                                           NumericCase{std::string("2\0"
                                                                   "5",
                                                                   3),
                                                       2}));

INSTANTIATE_TEST_SUITE_P(
    Exponents, DecimalPrefix,
    ::testing::Values(NumericCase{"1e2", 100}, NumericCase{"1E2", 100}, NumericCase{"1d2", 100},
                      NumericCase{"1D-2", 0.01}, NumericCase{"2e+1", 20}, NumericCase{"0.04e2", 4},
                      NumericCase{"4e0", 4}, NumericCase{"4e-0", 4}, NumericCase{"400e-2", 4},
                      NumericCase{".4E1", 4}, NumericCase{"1e", 1}, NumericCase{"1e+", 1},
                      NumericCase{"1e-", 1}, NumericCase{"1ex", 1}, NumericCase{"1e2.5", 100},
                      NumericCase{"e5", 0}, NumericCase{".e5", 0}, NumericCase{"-2.5e1", -25},
                      NumericCase{"1e308", 1e308}, NumericCase{"1e-300", 1e-300}));

// Numbers beyond a double: no crash, no wrap, no UB; +/-infinity or zero.
INSTANTIATE_TEST_SUITE_P(
    Extremes, DecimalPrefix,
    ::testing::Values(NumericCase{"1e999", kInfinity}, NumericCase{"-1e999", -kInfinity},
                      NumericCase{"1e400", kInfinity}, NumericCase{"1e309", kInfinity},
                      NumericCase{"2e308", kInfinity}, NumericCase{"1e-999", 0},
                      NumericCase{"1e-400", 0}, NumericCase{"1e99999999999999999999999", kInfinity},
                      NumericCase{"1e-99999999999999999999999", 0},
                      NumericCase{"0e99999999999999999999", 0},
                      NumericCase{std::string(400, '9'), kInfinity},
                      NumericCase{"-" + std::string(400, '9'), -kInfinity},
                      NumericCase{"1" + std::string(300, '0'), 1e300},
                      NumericCase{"0." + std::string(500, '0') + "1", 0},
                      NumericCase{std::string(100000, '0') + "4", 4},
                      NumericCase{"0." + std::string(100000, '0') + "1e100005", 1e4},
                      NumericCase{"4." + std::string(100000, '9'), 5}));

// &H and &O: 16-bit, then 32-bit two's complement like VB literals, larger values unwrapped.
class RadixPrefix : public ::testing::TestWithParam<NumericCase> {};
TEST_P(RadixPrefix, Reads) {
    expectReads(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, RadixPrefix,
    ::testing::Values(NumericCase{"&H10", 16}, NumericCase{"&h1f", 31}, NumericCase{"&HaBc", 2748},
                      NumericCase{"&H4", 4}, NumericCase{"&H7FFF", 32767},
                      NumericCase{"&H8000", -32768}, NumericCase{"&HFFFF", -1},
                      NumericCase{"&H0000FFFF", -1}, NumericCase{"&H10000", 65536},
                      NumericCase{"&H7FFFFFFF", 2147483647.0},
                      NumericCase{"&H80000000", -2147483648.0}, NumericCase{"&HFFFFFFFF", -1},
                      NumericCase{"&H100000000", 4294967296.0},
                      NumericCase{"&H" + std::string(300, 'F'), kInfinity}, NumericCase{"&H1G", 1},
                      NumericCase{"&H", 0}, NumericCase{"& H 1 0", 16}, NumericCase{" &H2", 2}));

INSTANTIATE_TEST_SUITE_P(Octal, RadixPrefix,
                         ::testing::Values(NumericCase{"&O17", 15}, NumericCase{"&o777", 511},
                                           NumericCase{"&O4", 4}, NumericCase{"&O77777", 32767},
                                           NumericCase{"&O100000", -32768},
                                           NumericCase{"&O177777", -1},
                                           NumericCase{"&O200000", 65536},
                                           NumericCase{"&O37777777777", -1}, NumericCase{"&O8", 0},
                                           NumericCase{"&O18", 1}, NumericCase{"&O", 0}));

INSTANTIATE_TEST_SUITE_P(NotRadix, RadixPrefix,
                         ::testing::Values(NumericCase{"&", 0}, NumericCase{"&X1", 0},
                                           NumericCase{"&12", 0}, NumericCase{"-&H1", 0},
                                           NumericCase{"+&H1", 0}, NumericCase{"1&H1", 1}));

TEST(NumericText, MinusZeroReadsAsZero) {
    const double value = readNumber("-0");
    EXPECT_EQ(value, 0.0);
    EXPECT_FALSE(value < 0);
}

// The period is the decimal point whatever the C locale says.
TEST(NumericText, IgnoresTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "German"})
        if ((german = std::setlocale(LC_ALL, name)) != nullptr)
            break;
    if (german == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const double point = readNumber("2.5");
    const double comma = readNumber("2,5");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(point, 2.5);
    EXPECT_EQ(comma, 2);
}

} // namespace
