// Placeholder until the scoring rules land: validates nothing, scores nothing.
#include "scoring/calculation.h"

#include <stdexcept>

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

NormalDistributionSource::NormalDistributionSource() = default;
NormalDistributionSource::NormalDistributionSource(Factory factory) : factory_(std::move(factory)) {}

NormalDistribution& NormalDistributionSource::get() {
    throw std::runtime_error("not implemented");
}

Calculation calculate(const ItemTexts&, ComparisonGroup, NormalDistributionSource&,
                      std::string_view) {
    return {};
}

}  // namespace obrix::scoring
