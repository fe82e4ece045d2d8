// The worked figures of every scale against both norm samples, as the full texts shown.
#include "scoring/calculation.h"
#include "scoring/norms.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace obrix::scoring;
using obrix::scoring::testing::allItems;
using obrix::scoring::testing::calculateShown;
using obrix::scoring::testing::itemsWith;
using obrix::scoring::testing::Shown;

namespace {

constexpr auto kGeneral = ComparisonGroup::GeneralPopulation;
constexpr auto kOcd = ComparisonGroup::Ocd;

using Column = std::array<std::string, kScaleCount>;

struct FigureCase {
    const char* name;
    std::string item; // every item holds this text
    ComparisonGroup group;
    Column raw;
    Column z;          // the numbers after "Z Score = ", with a period
    Column percentile; // the numbers before " Percentile", or "N/A"
};

std::ostream& operator<<(std::ostream& out, const FigureCase& c) {
    return out << c.name;
}

std::string withSeparator(std::string text, const std::string& separator) {
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

class WorkedFigures : public ::testing::TestWithParam<FigureCase> {
protected:
    void check(const std::string& separator) {
        const FigureCase& c = GetParam();
        NormalDistributionSource statistics;
        const Shown result = calculateShown(allItems(c.item), c.group, statistics, separator);
        ASSERT_EQ(result.validation, ValidationError::None);
        EXPECT_TRUE(result.complete());
        EXPECT_EQ(result.percentilesDone, kScaleCount);
        EXPECT_EQ(result.failure, "");
        for (std::size_t s = 0; s < kScaleCount; ++s) {
            SCOPED_TRACE(std::string(scaleTable()[s].name));
            EXPECT_EQ(result.texts[s].raw, c.raw[s]);
            EXPECT_EQ(result.texts[s].zScore, "Z Score = " + withSeparator(c.z[s], separator));
            const std::string percentile =
                c.percentile[s] == "N/A"
                    ? "N/A"
                    : withSeparator(c.percentile[s], separator) + " Percentile";
            EXPECT_EQ(result.texts[s].percentile, percentile);
        }
    }
};

TEST_P(WorkedFigures, WithPeriod) {
    check(".");
}
TEST_P(WorkedFigures, WithComma) {
    check(",");
}

const Column kNa{"N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A"};

INSTANTIATE_TEST_SUITE_P(
    UniformItems, WorkedFigures,
    ::testing::Values(FigureCase{"AllZeroGeneral",
                                 "0",
                                 kGeneral,
                                 {"0", "0", "0", "0", "0", "0", "0"},
                                 {"-0.96", "-1.14", "-1.45", "-1.05", "-1.65", "-0.83", "-1.7"},
                                 kNa},
                      FigureCase{"AllZeroOcd",
                                 "0",
                                 kOcd,
                                 {"0", "0", "0", "0", "0", "0", "0"},
                                 {"-1.01", "-1.25", "-1.19", "-1.88", "-0.95", "-0.83", "-2.07"},
                                 kNa},
                      FigureCase{"AllTwoGeneral",
                                 "2",
                                 kGeneral,
                                 {"6", "6", "6", "6", "6", "6", "36"},
                                 {"1.44", "1.21", "0.53", "1.15", "0.6", "1.9", "1.55"},
                                 {"92.45", "88.63", "70.01", "87.58", "72.42", "97.13", "93.92"}},
                      FigureCase{"AllTwoOcd",
                                 "2",
                                 kOcd,
                                 {"6", "6", "6", "6", "6", "6", "36"},
                                 {"0.38", "0.3", "0.31", "-0.32", "0.6", "0.74", "0.59"},
                                 {"64.91", "61.91", "62.17", "37.44", "72.64", "77.04", "72.26"}},
                      // Documented: Washing (3.84, 99.99) and Neutralising (4.63, "100
                      // Percentile"); the rest follow from the same rules.
                      FigureCase{"AllFourGeneral",
                                 "4",
                                 kGeneral,
                                 {"12", "12", "12", "12", "12", "12", "72"},
                                 {"3.84", "3.55", "2.51", "3.36", "2.84", "4.63", "4.79"},
                                 {"99.99", "99.98", "99.39", "99.96", "99.78", "100", "100"}},
                      // Documented: the Total (3.25, 99.94).
                      FigureCase{"AllFourOcd",
                                 "4",
                                 kOcd,
                                 {"12", "12", "12", "12", "12", "12", "72"},
                                 {"1.77", "1.86", "1.81", "1.24", "2.15", "2.31", "3.25"},
                                 {"96.2", "96.84", "96.49", "89.29", "98.43", "98.97", "99.94"}}),
    [](const auto& info) { return std::string(info.param.name); });

Shown compute(const ItemTexts& items, ComparisonGroup group, const std::string& separator = ".") {
    NormalDistributionSource statistics;
    return calculateShown(items, group, statistics, separator);
}

TEST(Figures, ObsessingRawTenShowsTwoPointSixTwo) {
    // Obsessing is items 6, 12, 18.
    const Shown result = compute(itemsWith("0", {{6, "4"}, {12, "4"}, {18, "2"}}), kGeneral);
    const auto obsessing = static_cast<std::size_t>(Scale::Obsessing);
    EXPECT_EQ(result.texts[obsessing].raw, "10");
    EXPECT_EQ(result.texts[obsessing].zScore, "Z Score = 2.62");
    EXPECT_TRUE(result.complete());
}

TEST(Figures, OrderingZScoreAndPercentileUseDifferentMeans) {
    const auto ordering = static_cast<std::size_t>(Scale::Ordering);
    const auto& general = normTable(kGeneral)[ordering];
    EXPECT_EQ(general.zScore.mean, 4.4);
    EXPECT_EQ(general.percentile.mean, 4.41);
    EXPECT_EQ(general.zScore.sd, 3.03);
    EXPECT_EQ(general.percentile.sd, 3.03);
    const auto& ocd = normTable(kOcd)[ordering];
    EXPECT_EQ(ocd.zScore.mean, ocd.percentile.mean);

    // Raw 6: z from 4.4 is 0.528 -> 0.53 (4.41 would give 0.52); the percentile 70.01 comes from
    // 4.41 (4.4 would give 70.13).
    const Shown result = compute(allItems("2"), kGeneral);
    EXPECT_EQ(result.texts[ordering].zScore, "Z Score = 0.53");
    EXPECT_EQ(result.texts[ordering].percentile, "70.01 Percentile");
}

TEST(Figures, EveryOtherScaleUsesOnePairForBoth) {
    for (const ComparisonGroup group : {kGeneral, kOcd}) {
        for (std::size_t s = 0; s < kScaleCount; ++s) {
            if (group == kGeneral && s == static_cast<std::size_t>(Scale::Ordering))
                continue;
            const auto& norms = normTable(group)[s];
            EXPECT_EQ(norms.zScore.mean, norms.percentile.mean) << s;
            EXPECT_EQ(norms.zScore.sd, norms.percentile.sd) << s;
        }
    }
}

TEST(Figures, NormTables) {
    const std::array<std::pair<double, double>, kScaleCount> general{{{2.41, 2.5},
                                                                      {2.91, 2.56},
                                                                      {4.4, 3.03},
                                                                      {2.86, 2.72},
                                                                      {4.41, 2.67},
                                                                      {1.82, 2.2},
                                                                      {18.82, 11.1}}};
    const std::array<std::pair<double, double>, kScaleCount> ocd{{{4.35, 4.31},
                                                                  {4.83, 3.86},
                                                                  {4.76, 4},
                                                                  {7.23, 3.84},
                                                                  {3.67, 3.87},
                                                                  {3.18, 3.81},
                                                                  {28.01, 13.53}}};
    for (std::size_t s = 0; s < kScaleCount; ++s) {
        EXPECT_EQ(normTable(kGeneral)[s].zScore.mean, general[s].first) << s;
        EXPECT_EQ(normTable(kGeneral)[s].zScore.sd, general[s].second) << s;
        EXPECT_EQ(normTable(kOcd)[s].zScore.mean, ocd[s].first) << s;
        EXPECT_EQ(normTable(kOcd)[s].zScore.sd, ocd[s].second) << s;
    }
}

TEST(Figures, ZScoreRoundingToZeroFromBelowShowsNoMinus) {
    // OCD Total at raw 28: z = -0.00074.
    const ItemTexts items =
        itemsWith("0", {{1, "4"}, {2, "4"}, {3, "4"}, {4, "4"}, {5, "4"}, {6, "4"}, {7, "4"}});
    for (const std::string separator : {".", ","}) {
        const Shown result = compute(items, kOcd, separator);
        const auto total = static_cast<std::size_t>(Scale::Total);
        EXPECT_EQ(result.texts[total].raw, "28");
        EXPECT_EQ(result.texts[total].zScore, "Z Score = 0");
    }
}

TEST(Figures, OneScaleAtZeroHasOnlyItsPercentileNotApplicable) {
    // Washing is items 5, 11, 17.
    const Shown result = compute(itemsWith("2", {{5, "0"}, {11, "0"}, {17, "0"}}), kGeneral);
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.texts[0].raw, "0");
    EXPECT_EQ(result.texts[0].zScore, "Z Score = -0.96");
    EXPECT_EQ(result.texts[0].percentile, "N/A");
    for (std::size_t s = 1; s < kScaleCount; ++s)
        EXPECT_NE(result.texts[s].percentile, "N/A") << s;
    EXPECT_EQ(result.texts[6].raw, "30");
}

TEST(Figures, MixedItemsReadByTheirPrefix) {
    // "2.5" counts 2, "3.5" counts 4, " " and "abc" count 0, "04" counts 4.
    const Shown result = compute(
        itemsWith("1", {{5, "2.5"}, {11, "3.5"}, {17, " "}, {2, "abc"}, {8, "04"}, {14, "003"}}),
        kGeneral);
    ASSERT_EQ(result.validation, ValidationError::None);
    EXPECT_EQ(result.texts[0].raw, "6");                        // Washing 2 + 4 + 0
    EXPECT_EQ(result.texts[1].raw, "7");                        // Checking 0 + 4 + 3
    EXPECT_EQ(result.texts[6].raw, std::to_string(6 + 7 + 12)); // 12 other items at 1
}

TEST(Figures, SwitchingGroupsGivesTheirOwnFiguresAndBack) {
    NormalDistributionSource statistics;
    const ItemTexts items = allItems("2");
    const Shown general = calculateShown(items, kGeneral, statistics);
    const Shown ocd = calculateShown(items, kOcd, statistics);
    const Shown again = calculateShown(items, kGeneral, statistics);
    EXPECT_EQ(general.texts[0].zScore, "Z Score = 1.44");
    EXPECT_EQ(ocd.texts[0].zScore, "Z Score = 0.38");
    for (std::size_t s = 0; s < kScaleCount; ++s) {
        EXPECT_EQ(again.texts[s].zScore, general.texts[s].zScore);
        EXPECT_EQ(again.texts[s].percentile, general.texts[s].percentile);
    }
}

struct RefusedCase {
    const char* name;
    ItemTexts items;
    ValidationError error;
};

class Refused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, ComputesNothing) {
    int created = 0;
    NormalDistributionSource statistics([&created]() -> std::unique_ptr<NormalDistribution> {
        ++created;
        return nullptr;
    });
    const Calculation result = calculate(GetParam().items, kGeneral, statistics);
    EXPECT_EQ(result.validation, GetParam().error);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.percentilesDone, 0);
    EXPECT_EQ(result.failure, "");
    for (const ScaleResult& scale : result.scales) {
        EXPECT_EQ(scale.raw, 0);
        EXPECT_EQ(scale.zScore, 0);
        EXPECT_FALSE(scale.percentile);
    }
    EXPECT_EQ(created, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Validation, Refused,
    ::testing::Values(
        RefusedCase{"FreshWindow", allItems(""), ValidationError::EmptyItem},
        RefusedCase{"Item1EmptyItem2Nine", itemsWith("2", {{1, ""}, {2, "9"}}),
                    ValidationError::OutOfRange},
        RefusedCase{"Item1SevenItem4Empty", itemsWith("2", {{1, "7"}, {4, ""}}),
                    ValidationError::OutOfRange},
        RefusedCase{"FortyFour", itemsWith("2", {{9, "44"}}), ValidationError::OutOfRange},
        RefusedCase{"HugeExponent", itemsWith("2", {{9, "1e999"}}), ValidationError::OutOfRange},
        RefusedCase{"HexMinusOne", itemsWith("2", {{9, "&HFFFF"}}), ValidationError::OutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
