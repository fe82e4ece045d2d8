// The statistics component: the built-in normal distribution, creation on first need,
// reuse, and failures of creation or of NormalCdf that stop the computation at a scale.
#include "scoring/calculation.h"
#include "scoring/normal_distribution.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace obrix::scoring;
using obrix::scoring::testing::allItems;
using obrix::scoring::testing::calculateShown;
using obrix::scoring::testing::itemsWith;
using obrix::scoring::testing::Shown;

namespace {

constexpr auto kGeneral = ComparisonGroup::GeneralPopulation;

TEST(BuiltInNormalCdf, KnownValues) {
    const struct {
        double x, mean, sd, expected, tolerance;
    } cases[] = {
        {0, 0, 1, 0.5, 0},
        {1.96, 0, 1, 0.97500210485177952, 1e-15},
        {-1, 0, 1, 0.15865525393145705, 1e-15},
        {1, 0, 1, 0.84134474606854293, 1e-15},
        {-10, 0, 1, 7.6198530241605261e-24, 1e-36}, // the far tail keeps its relative accuracy
        {6, 2.41, 2.5, 0.92450, 5e-6},              // Washing raw 6: "92.45 Percentile"
        {12, 1.82, 2.2, 0.999998, 5e-7},            // Neutralising raw 12: "100 Percentile"
    };
    for (const auto& c : cases)
        EXPECT_NEAR(normalCdf(c.x, c.mean, c.sd), c.expected, c.tolerance)
            << c.x << " " << c.mean << " " << c.sd;
}

TEST(BuiltInNormalCdf, IsMonotonicAndBounded) {
    double previous = 0;
    for (double x = -40; x <= 40; x += 0.25) {
        const double p = normalCdf(x, 4.41, 3.03);
        EXPECT_GE(p, previous);
        EXPECT_GE(p, 0.0);
        EXPECT_LE(p, 1.0);
        previous = p;
    }
}

TEST(BuiltInNormalCdf, RefusesBadArguments) {
    EXPECT_THROW(normalCdf(1, 0, 0), std::invalid_argument);
    EXPECT_THROW(normalCdf(1, 0, -1), std::invalid_argument);
    EXPECT_THROW(normalCdf(1, 0, std::nan("")), std::invalid_argument);
    EXPECT_THROW(normalCdf(std::nan(""), 0, 1), std::invalid_argument);
    BuiltInNormalDistribution component;
    EXPECT_THROW(component.normalCdf(1, 0, 0), std::invalid_argument);
    EXPECT_DOUBLE_EQ(component.normalCdf(1, 1, 2), 0.5);
}

TEST(Source, DefaultIsTheBuiltInComponentCreatedOnFirstUse) {
    NormalDistributionSource source;
    EXPECT_FALSE(source.created());
    NormalDistribution& first = source.get();
    EXPECT_TRUE(source.created());
    EXPECT_EQ(&source.get(), &first);
    EXPECT_DOUBLE_EQ(first.normalCdf(3, 3, 1), 0.5);
}

// A fake component: records its calls; throws on the failOnCall-th call (1-based) when set.
class FakeComponent : public NormalDistribution {
public:
    struct Call {
        double x, mean, sd;
    };
    std::vector<Call>* calls = nullptr;
    int failOnCall = 0;
    std::function<void()> fail = [] {
        throw std::runtime_error("Automation error");
    };
    double answer = 0.5;

    double normalCdf(double x, double mean, double sd) override {
        calls->push_back({x, mean, sd});
        if (failOnCall != 0 && static_cast<int>(calls->size()) == failOnCall)
            fail();
        return answer;
    }
};

struct Harness {
    int creations = 0;
    std::vector<FakeComponent::Call> calls;
    std::function<std::unique_ptr<NormalDistribution>()> make = [this] {
        auto fake = std::make_unique<FakeComponent>();
        fake->calls = &calls;
        return fake;
    };
    NormalDistributionSource source{[this] {
        ++creations;
        return make();
    }};
};

// Raw scores and z-scores as a computation with a working component gives them.
void expectRawAndZOfAllSeven(const Calculation& result, const ItemTexts& items) {
    EXPECT_EQ(result.validation, ValidationError::None);
    NormalDistributionSource working;
    const Calculation complete = calculate(items, kGeneral, working);
    for (std::size_t s = 0; s < kScaleCount; ++s) {
        EXPECT_EQ(result.scales[s].raw, complete.scales[s].raw) << s;
        EXPECT_EQ(result.scales[s].zScore, complete.scales[s].zScore) << s;
    }
}

// The percentile texts shown: "N/A" or a number up to done, nothing after.
void expectPercentilesUpTo(const Shown& result, int done) {
    for (int s = 0; s < kScaleCount; ++s) {
        const auto& text = result.texts[static_cast<std::size_t>(s)].percentile;
        if (s < done)
            EXPECT_FALSE(text.empty()) << "scale " << s;
        else
            EXPECT_EQ(text, "") << "scale " << s;
    }
}

TEST(Source, AllZeroComputationNeverCreatesTheComponent) {
    Harness h;
    h.make = []() -> std::unique_ptr<NormalDistribution> {
        throw std::runtime_error("ActiveX component can't create object");
    };
    const Calculation result = calculate(allItems("0"), kGeneral, h.source);
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.failure, "");
    EXPECT_EQ(h.creations, 0);
    EXPECT_FALSE(h.source.created());
}

TEST(Source, CreatedOnceAndReusedAcrossComputations) {
    Harness h;
    calculate(allItems("2"), kGeneral, h.source);
    calculate(allItems("3"), ComparisonGroup::Ocd, h.source);
    EXPECT_EQ(h.creations, 1);
    EXPECT_EQ(h.calls.size(), 14u);
    EXPECT_TRUE(h.source.created());
}

TEST(Source, CallsNormalCdfWithRawScoreAndPercentileNorms) {
    Harness h;
    const Shown result = calculateShown(allItems("2"), kGeneral, h.source);
    EXPECT_TRUE(result.complete());
    const std::vector<std::array<double, 3>> expected{
        {6, 2.41, 2.5},  {6, 2.91, 2.56}, {6, 4.41, 3.03},  {6, 2.86, 2.72},
        {6, 4.41, 2.67}, {6, 1.82, 2.2},  {36, 18.82, 11.1}};
    ASSERT_EQ(h.calls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(h.calls[i].x, expected[i][0]) << i;
        EXPECT_EQ(h.calls[i].mean, expected[i][1]) << i;
        EXPECT_EQ(h.calls[i].sd, expected[i][2]) << i;
    }
    for (const auto& texts : result.texts)
        EXPECT_EQ(texts.percentile, "50 Percentile");
}

TEST(Source, ScalesAtZeroAreNotPassedToTheComponent) {
    Harness h;
    // Hoarding (items 1, 7, 13) at zero.
    calculate(itemsWith("1", {{1, "0"}, {7, "0"}, {13, "0"}}), kGeneral, h.source);
    EXPECT_EQ(h.calls.size(), 6u);
}

TEST(Source, TheReturnedValueIsUsedUnchecked) {
    Harness h;
    h.make = [&h] {
        auto fake = std::make_unique<FakeComponent>();
        fake->calls = &h.calls;
        fake->answer = 1.0;
        return fake;
    };
    const Shown result = calculateShown(allItems("1"), kGeneral, h.source, ",");
    EXPECT_EQ(result.texts[0].percentile, "100 Percentile");
}

// A failing component stops the computation at one scale.
struct FailureCase {
    const char* name;
    ItemTexts items;
    std::function<void(Harness&)> arrange;
    int percentilesDone;
    std::string failure; // empty: any non-empty description
};

class ComponentFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ComponentFailure, StopsAtTheFailingScale) {
    const FailureCase& c = GetParam();
    Harness h;
    c.arrange(h);
    Shown result;
    EXPECT_NO_THROW(result = calculateShown(c.items, kGeneral, h.source));
    expectRawAndZOfAllSeven(result, c.items);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.percentilesDone, c.percentilesDone);
    expectPercentilesUpTo(result, c.percentilesDone);
    if (c.failure.empty())
        EXPECT_FALSE(result.failure.empty());
    else
        EXPECT_EQ(result.failure, c.failure);
}

void creationThrows(Harness& h) {
    h.make = []() -> std::unique_ptr<NormalDistribution> {
        throw std::runtime_error("ActiveX component can't create object");
    };
}

void creationReturnsNull(Harness& h) {
    h.make = [] {
        return std::unique_ptr<NormalDistribution>();
    };
}

void creationThrowsNonStandard(Harness& h) {
    h.make = []() -> std::unique_ptr<NormalDistribution> {
        throw 429;
    };
}

std::function<void(Harness&)> callFails(int call, std::function<void()> fail = {}) {
    return [call, fail](Harness& h) {
        h.make = [&h, call, fail] {
            auto fake = std::make_unique<FakeComponent>();
            fake->calls = &h.calls;
            fake->failOnCall = call;
            if (fail)
                fake->fail = fail;
            return fake;
        };
    };
}

struct SilentError : std::exception {
    const char* what() const noexcept override { return ""; }
};

struct NullError : std::exception {
    const char* what() const noexcept override { return nullptr; }
};

INSTANTIATE_TEST_SUITE_P(
    Failures, ComponentFailure,
    ::testing::Values(
        FailureCase{"CreationThrows", allItems("2"), creationThrows, 0,
                    "ActiveX component can't create object"},
        FailureCase{"CreationReturnsNull", allItems("2"), creationReturnsNull, 0, ""},
        FailureCase{"CreationThrowsNonStandard", allItems("2"), creationThrowsNonStandard, 0, ""},
        // Washing (items 5, 11, 17) at zero shows "N/A" without the component; Checking fails.
        FailureCase{"CreationFailsAfterNotApplicable",
                    itemsWith("2", {{5, "0"}, {11, "0"}, {17, "0"}}), creationThrows, 1,
                    "ActiveX component can't create object"},
        FailureCase{"FirstCallFails", allItems("2"), callFails(1), 0, "Automation error"},
        FailureCase{"ThirdCallFails", allItems("2"), callFails(3), 2, "Automation error"},
        FailureCase{"LastCallFails", allItems("2"), callFails(7), 6, "Automation error"},
        FailureCase{"CallFailsWithEmptyDescription", allItems("2"),
                    callFails(4, [] { throw SilentError(); }), 3, ""},
        FailureCase{"CallFailsWithNullDescription", allItems("2"),
                    callFails(4, [] { throw NullError(); }), 3, ""},
        FailureCase{"CallFailsNonStandard", allItems("2"), callFails(2, [] { throw 13; }), 1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Source, FailedCreationIsTriedAgainNextTime) {
    Harness h;
    bool fail = true;
    auto working = h.make;
    h.make = [&]() -> std::unique_ptr<NormalDistribution> {
        if (fail)
            throw std::runtime_error("not yet");
        return working();
    };
    const Calculation first = calculate(allItems("2"), kGeneral, h.source);
    EXPECT_EQ(first.failure, "not yet");
    EXPECT_FALSE(h.source.created());
    fail = false;
    const Calculation second = calculate(allItems("2"), kGeneral, h.source);
    EXPECT_TRUE(second.complete());
    EXPECT_EQ(h.creations, 2);
}

TEST(Source, GetReportsEveryCreationFailureAsStdException) {
    NormalDistributionSource throwsInt([]() -> std::unique_ptr<NormalDistribution> { throw 1; });
    EXPECT_THROW(throwsInt.get(), std::exception);
    NormalDistributionSource returnsNull([] { return std::unique_ptr<NormalDistribution>(); });
    EXPECT_THROW(returnsNull.get(), std::exception);
    NormalDistributionSource noFactory{NormalDistributionSource::Factory{}};
    EXPECT_THROW(noFactory.get(), std::exception);
    EXPECT_FALSE(noFactory.created());
}

} // namespace
