#pragma once

// Helpers shared by the scoring tests.

#include "scoring/calculation.h"
#include "scoring/result_texts.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace obrix::scoring::testing {

// All 18 items holding text.
inline ItemTexts allItems(const std::string& text) {
    ItemTexts items;
    items.fill(text);
    return items;
}

// All items holding fill, except the listed (item number, text) pairs.
inline ItemTexts itemsWith(const std::string& fill,
                           std::initializer_list<std::pair<int, std::string>> overrides) {
    ItemTexts items = allItems(fill);
    for (const auto& [item, text] : overrides)
        items[static_cast<std::size_t>(item - 1)] = text;
    return items;
}

// A computation with the texts the results panel shows for it: every raw score and z-score
// and the percentiles computed; nothing for a refused one.
struct ShownTexts {
    std::string raw, zScore, percentile;
};
struct Shown : Calculation {
    std::array<ShownTexts, kScaleCount> texts{};
};

inline Shown calculateShown(const ItemTexts& items, ComparisonGroup group,
                            NormalDistributionSource& statistics,
                            std::string_view separator = ".") {
    Shown shown;
    static_cast<Calculation&>(shown) = calculate(items, group, statistics);
    if (shown.validation != ValidationError::None)
        return shown;
    for (std::size_t s = 0; s < kScaleCount; ++s) {
        const ScaleResult& scale = shown.scales[s];
        shown.texts[s].raw = rawScoreText(scale.raw);
        shown.texts[s].zScore = zScoreText(scale.zScore, separator);
        if (static_cast<int>(s) < shown.percentilesDone)
            shown.texts[s].percentile = percentileText(scale.percentile, separator);
    }
    return shown;
}

} // namespace obrix::scoring::testing
