// The validation walk, item values and raw scores.
#include "scoring/raw_scores.h"
#include "scoring/validation.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace obrix::scoring;
using obrix::scoring::testing::allItems;
using obrix::scoring::testing::itemsWith;

namespace {

constexpr std::string_view kEmptyMessage = "All boxes must contain data.";
constexpr std::string_view kRangeMessage =
    "Only scores between 0 and 4 are possible for any individual item.";

TEST(ValidationMessages, AreExactlyAsQuoted) {
    EXPECT_EQ(validationMessage(ValidationError::EmptyItem), kEmptyMessage);
    EXPECT_EQ(validationMessage(ValidationError::OutOfRange), kRangeMessage);
    EXPECT_EQ(validationMessage(ValidationError::None), "");
}

TEST(ValidationWalk, OrderIsTwoThreeOneThenTheRest) {
    const std::array<int, kItemCount> expected{2,  3,  1,  4,  5,  6,  7,  8,  9,
                                               10, 11, 12, 13, 14, 15, 16, 17, 18};
    EXPECT_EQ(kWalkOrder, expected);
}

// One item text: accepted or refused, and the value it counts as.
struct ItemCase {
    std::string text;
    ValidationError error;
    int value; // when accepted
};

std::ostream& operator<<(std::ostream& out, const ItemCase& c) {
    return out << '"' << c.text << "\" -> " << static_cast<int>(c.error) << " / " << c.value;
}

class ItemText : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ItemText, IsValidatedAndCounted) {
    const ItemCase& c = GetParam();
    EXPECT_EQ(validateItem(c.text), c.error);
    // The same text in every box, and in one box only: the walk reaches the same verdict.
    EXPECT_EQ(validateItems(allItems(c.text)), c.error);
    EXPECT_EQ(validateItems(itemsWith("0", {{11, c.text}})), c.error);
    if (c.error == ValidationError::None) {
        EXPECT_EQ(itemValue(c.text), c.value);
    }
}

constexpr auto kOk = ValidationError::None;
constexpr auto kEmpty = ValidationError::EmptyItem;
constexpr auto kRange = ValidationError::OutOfRange;

INSTANTIATE_TEST_SUITE_P(
    SpecExamples, ItemText,
    ::testing::Values(ItemCase{"0", kOk, 0}, ItemCase{"1", kOk, 1}, ItemCase{"2", kOk, 2},
                      ItemCase{"3", kOk, 3}, ItemCase{"4", kOk, 4}, ItemCase{"", kEmpty, 0},
                      ItemCase{" ", kOk, 0}, ItemCase{"abc", kOk, 0}, ItemCase{"2.5", kOk, 2},
                      ItemCase{"3.5", kOk, 4}, ItemCase{"4.0", kOk, 4}, ItemCase{"4.01", kRange, 0},
                      ItemCase{"-0", kOk, 0}, ItemCase{"04", kOk, 4}, ItemCase{"003", kOk, 3},
                      ItemCase{"44", kRange, 0}, ItemCase{"012", kRange, 0},
                      ItemCase{"4.4", kRange, 0}, ItemCase{"-0.4", kRange, 0},
                      ItemCase{"0.4", kOk, 0}, ItemCase{"3.6", kOk, 4}, ItemCase{"1 2", kRange, 0},
                      ItemCase{"2abc", kOk, 2}, ItemCase{"3.9", kOk, 4}));

INSTANTIATE_TEST_SUITE_P(Rounding, ItemText,
                         ::testing::Values(ItemCase{"0.5", kOk, 0}, ItemCase{"1.5", kOk, 2},
                                           ItemCase{"0.6", kOk, 1}, ItemCase{"2.4999", kOk, 2},
                                           ItemCase{"2.5001", kOk, 3}, ItemCase{"-0.0", kOk, 0},
                                           ItemCase{"-0e5", kOk, 0}, ItemCase{"0.0000001", kOk, 0},
                                           ItemCase{"-0.0000001", kRange, 0}));

INSTANTIATE_TEST_SUITE_P(BlanksAndLetters, ItemText,
                         ::testing::Values(ItemCase{"\t", kOk, 0}, ItemCase{"\n", kOk, 0},
                                           ItemCase{" 3 ", kOk, 3}, ItemCase{"x4", kOk, 0},
                                           ItemCase{"4x", kOk, 4}, ItemCase{"5x", kRange, 0},
                                           ItemCase{"-", kOk, 0}, ItemCase{".", kOk, 0},
                                           ItemCase{"\xc3\xa9", kOk, 0})); // a non-ASCII letter

INSTANTIATE_TEST_SUITE_P(Exponents, ItemText,
                         ::testing::Values(ItemCase{"4e0", kOk, 4}, ItemCase{"0.04e2", kOk, 4},
                                           ItemCase{"400e-2", kOk, 4}, ItemCase{"3D0", kOk, 3},
                                           ItemCase{"1e1", kRange, 0}, ItemCase{"4e-1", kOk, 0},
                                           ItemCase{"1e999", kRange, 0},
                                           ItemCase{"-1e999", kRange, 0},
                                           ItemCase{"1e-999", kOk, 0},
                                           ItemCase{std::string(400, '9'), kRange, 0}));

INSTANTIATE_TEST_SUITE_P(Radix, ItemText,
                         ::testing::Values(ItemCase{"&H4", kOk, 4}, ItemCase{"&h3", kOk, 3},
                                           ItemCase{"&O4", kOk, 4}, ItemCase{"&H5", kRange, 0},
                                           ItemCase{"&HFFFF", kRange, 0},
                                           ItemCase{"&H8000", kRange, 0},
                                           ItemCase{"&HFFFFFFFF", kRange, 0},
                                           ItemCase{"&H10004", kRange, 0}, ItemCase{"&H", kOk, 0},
                                           ItemCase{"&", kOk, 0}, ItemCase{"-&H1", kOk, 0}));

// Walk traps: the first failing box in walk order decides the message.
struct WalkCase {
    const char* name;
    ItemTexts items;
    ValidationError error;
};

class Walk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(Walk, FirstFailingBoxDecides) {
    EXPECT_EQ(validateItems(GetParam().items), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Traps, Walk,
    ::testing::Values(
        WalkCase{"AllEmpty", allItems(""), kEmpty}, WalkCase{"AllValid", allItems("2"), kOk},
        WalkCase{"Item1EmptyItem2Nine", itemsWith("1", {{1, ""}, {2, "9"}}), kRange},
        WalkCase{"Item1SevenItem4Empty", itemsWith("1", {{1, "7"}, {4, ""}}), kRange},
        WalkCase{"Item3EmptyItem1Seven", itemsWith("1", {{1, "7"}, {3, ""}}), kEmpty},
        WalkCase{"Item2EmptyItem3Five", itemsWith("1", {{2, ""}, {3, "5"}}), kEmpty},
        WalkCase{"Item1EmptyOnly", itemsWith("1", {{1, ""}}), kEmpty},
        WalkCase{"Item18EmptyOnly", itemsWith("1", {{18, ""}}), kEmpty},
        WalkCase{"Item18OutOfRangeOnly", itemsWith("1", {{18, "5"}}), kRange},
        WalkCase{"Item17RangeBeforeItem18Empty", itemsWith("1", {{17, "-1"}, {18, ""}}), kRange},
        WalkCase{"Item5EmptyBeforeItem6Range", itemsWith("1", {{5, ""}, {6, "44"}}), kEmpty}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RawScores, SumsFollowTheItemToScaleMap) {
    // Item n holds (n - 1) mod 5.
    ItemTexts items;
    for (int n = 1; n <= kItemCount; ++n)
        items[static_cast<std::size_t>(n - 1)] = std::to_string((n - 1) % 5);
    const auto values = itemValues(items);
    ASSERT_TRUE(values.has_value());
    const std::array<double, kScaleCount> expected{
        5,  // Washing 5, 11, 17: 4 + 0 + 1
        6,  // Checking 2, 8, 14: 1 + 2 + 3
        9,  // Ordering 3, 9, 15: 2 + 3 + 4
        3,  // Obsessing 6, 12, 18: 0 + 1 + 2
        3,  // Hoarding 1, 7, 13: 0 + 1 + 2
        7,  // Neutralising 4, 10, 16: 3 + 4 + 0
        33, // Total
    };
    EXPECT_EQ(rawScores(*values), expected);
}

TEST(RawScores, UniformItems) {
    const struct {
        const char* text;
        double subscale, total;
    } cases[] = {{"0", 0, 0},    {"2", 6, 36},    {"4", 12, 72},
                 {"2.5", 6, 36}, {"3.5", 12, 72}, {" ", 0, 0}};
    for (const auto& c : cases) {
        const auto values = itemValues(allItems(c.text));
        ASSERT_TRUE(values.has_value()) << c.text;
        const auto raw = rawScores(*values);
        for (int s = 0; s < 6; ++s)
            EXPECT_EQ(raw[static_cast<std::size_t>(s)], c.subscale) << c.text << " scale " << s;
        EXPECT_EQ(raw[6], c.total) << c.text;
    }
}

TEST(ItemValues, TextsBeyondSixteenBitsHaveNoValue) {
    EXPECT_FALSE(itemValue("32768").has_value());
    EXPECT_FALSE(itemValue("1e999").has_value());
    EXPECT_EQ(itemValue("-32768"), -32768);
    EXPECT_FALSE(itemValues(itemsWith("1", {{7, "40000"}})).has_value());
}

} // namespace
