// Exact halves go to the even neighbour.
#include "scoring/rounding.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

using namespace obrix::scoring;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(RoundHalfEven, WholeNumbers) {
    const struct {
        double value, expected;
    } cases[] = {
        {0.4, 0},
        {0.5, 0},
        {0.6, 1},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {3.9, 4},
        {4.5, 4},
        {5.5, 6},
        {-0.6, -1},
        {-1.5, -2},
        {-2.5, -2},
        {-3.5, -4},
        {7, 7},
        {0.49999999999999994, 0},
        {4503599627370497.0, 4503599627370497.0},
        {1e300, 1e300},
        {-1e300, -1e300},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
}

TEST(RoundHalfEven, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(roundHalfEven(-0.4)));
    EXPECT_TRUE(std::signbit(roundHalfEven(-0.5)));
    EXPECT_FALSE(std::signbit(roundHalfEven(0.4)));
}

TEST(RoundHalfEven, NonFiniteValuesPassThrough) {
    EXPECT_EQ(roundHalfEven(kInfinity), kInfinity);
    EXPECT_EQ(roundHalfEven(-kInfinity), -kInfinity);
    EXPECT_TRUE(std::isnan(roundHalfEven(std::numeric_limits<double>::quiet_NaN())));
}

TEST(RoundHalfEven, DoesNotDependOnTheRoundingMode) {
    const int previous = std::fegetround();
    volatile double half = 2.5;
    std::fesetround(FE_UPWARD);
    const double up = roundHalfEven(half);
    std::fesetround(FE_DOWNWARD);
    const double down = roundHalfEven(half + 1);
    std::fesetround(previous);
    EXPECT_EQ(up, 2);
    EXPECT_EQ(down, 4);
}

TEST(RoundToHundredths, SpecExamples) {
    const struct {
        double value, expected;
    } cases[] = {
        {2.625, 2.62},              // 262.5 is exact in binary
        {2.375, 2.38},              // 237.5 likewise
        {(10 - 2.86) / 2.72, 2.62}, // Obsessing raw 10, general population
        {(0 - 18.82) / 11.1, -1.7}, // Total raw 0, general population
        {0.999998, 1},              // a percentile that shows as 100
        {1.005, 1},                 // 1.005 * 100 is 100.49999999999999
        {-1.445, -1.44},            // -144.5 exact, ties to even
        {0.125, 0.12},
        {0.135, 0.14},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundToHundredths(c.value), c.expected) << c.value;
}

TEST(RoundToHundredths, ObsessingRawTenIsExactlyAHalf) {
    EXPECT_EQ((10 - 2.86) / 2.72, 2.625);
}

TEST(RoundToHundredths, TinyNegativeGivesZero) {
    const double z = roundToHundredths((28 - 28.01) / 13.53); // OCD Total at raw 28
    EXPECT_EQ(z, 0.0);
}

TEST(ToInt16HalfEven, ItemValuesAndLimits) {
    const struct {
        double value;
        std::optional<std::int16_t> expected;
    } cases[] = {
        {0.4, 0},
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {3.6, 4},
        {3.9, 4},
        {4, 4},
        {-0.0, 0},
        {-0.4, 0},
        {32767.4, 32767},
        {32767.5, {}},
        {-32768, -32768},
        {-32768.5, -32768},
        {-32768.6, {}},
        {1e300, {}},
        {kInfinity, {}},
        {-kInfinity, {}},
        {std::numeric_limits<double>::quiet_NaN(), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toInt16HalfEven(c.value), c.expected) << c.value;
}

} // namespace
