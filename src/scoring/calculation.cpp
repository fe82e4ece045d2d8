#include "scoring/calculation.h"

#include "scoring/normal_distribution.h"
#include "scoring/norms.h"
#include "scoring/raw_scores.h"
#include "scoring/rounding.h"
#include "scoring/validation.h"

#include <exception>
#include <stdexcept>
#include <utility>

namespace obrix::scoring {

const std::array<ScaleInfo, kScaleCount>& scaleTable() {
    static const std::array<ScaleInfo, kScaleCount> table{{
        {Scale::Washing, "Washing", "Washing:", "Wash", {5, 11, 17}},
        {Scale::Checking, "Checking", "Checking:", "Check", {2, 8, 14}},
        {Scale::Ordering, "Ordering", "Ordering:", "Order", {3, 9, 15}},
        {Scale::Obsessing, "Obsessing", "Obsessing:", "Obsess", {6, 12, 18}},
        {Scale::Hoarding, "Hoarding", "Hoarding:", "Hoard", {1, 7, 13}},
        {Scale::Neutralising, "Neutralising", "Neutralising:", "Neutral", {4, 10, 16}},
        {Scale::Total, "Total", "Total:", "Total", {0, 0, 0}},
    }};
    return table;
}

std::string_view validationMessage(ValidationError error) {
    switch (error) {
    case ValidationError::EmptyItem:
        return "All boxes must contain data.";
    case ValidationError::OutOfRange:
        return "Only scores between 0 and 4 are possible for any individual item.";
    case ValidationError::None:
        break;
    }
    return {};
}

namespace {

constexpr std::string_view kCreationFailure = "The statistics component could not be created.";
constexpr std::string_view kCallFailure = "The statistics component failed to compute NormalCdf.";

// what() of e, or fallback when it says nothing.
std::string describe(const std::exception& e, std::string_view fallback) {
    const char* what = e.what();
    if (what == nullptr || *what == '\0')
        return std::string(fallback);
    return what;
}

} // namespace

NormalDistributionSource::NormalDistributionSource()
    : factory_([] { return std::make_unique<BuiltInNormalDistribution>(); }) {}

NormalDistributionSource::NormalDistributionSource(Factory factory)
    : factory_(std::move(factory)) {}

NormalDistribution& NormalDistributionSource::get() {
    if (component_)
        return *component_;
    if (!factory_)
        throw std::runtime_error("The statistics component has no way to be created.");
    std::unique_ptr<NormalDistribution> created;
    try {
        created = factory_();
    } catch (const std::exception&) {
        throw;
    } catch (...) {
        throw std::runtime_error(std::string(kCreationFailure));
    }
    if (!created)
        throw std::runtime_error(std::string(kCreationFailure));
    component_ = std::move(created);
    return *component_;
}

Calculation calculate(const ItemTexts& items, ComparisonGroup group,
                      NormalDistributionSource& statistics) {
    Calculation result;

    // Validation walk, item values, raw scores.
    result.validation = validateItems(items);
    if (result.validation != ValidationError::None)
        return result;
    const std::optional<ItemValues> values = itemValues(items);
    if (!values) {
        // Cannot happen: validated values are 0..4.
        result.validation = ValidationError::OutOfRange;
        return result;
    }
    const std::array<double, kScaleCount> raw = rawScores(*values);

    // Against the norms: all seven z-scores, then the percentiles one by one.
    const auto& norms = normTable(group);
    for (std::size_t s = 0; s < kScaleCount; ++s) {
        result.scales[s].raw = static_cast<int>(raw[s]);
        result.scales[s].zScore =
            roundToHundredths((raw[s] - norms[s].zScore.mean) / norms[s].zScore.sd);
    }

    for (std::size_t s = 0; s < kScaleCount; ++s) {
        if (raw[s] >= 1) {
            const Norm& norm = norms[s].percentile;
            std::string_view stage = kCreationFailure;
            try {
                NormalDistribution& component = statistics.get();
                stage = kCallFailure;
                const double p = component.normalCdf(raw[s], norm.mean, norm.sd);
                result.scales[s].percentile = roundToHundredths(p * 100);
            } catch (const std::exception& e) {
                result.failure = describe(e, stage);
                return result;
            } catch (...) {
                result.failure = std::string(stage);
                return result;
            }
        }
        result.percentilesDone = static_cast<int>(s) + 1;
    }
    return result;
}

} // namespace obrix::scoring
