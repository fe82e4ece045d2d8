#include "scoring/raw_scores.h"

#include "scoring/numeric_text.h"
#include "scoring/rounding.h"

namespace obrix::scoring {

std::optional<std::int16_t> itemValue(std::string_view text) {
    return toInt16HalfEven(readNumber(text));
}

std::optional<ItemValues> itemValues(const ItemTexts& items) {
    ItemValues values{};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto value = itemValue(items[i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    return values;
}

std::array<double, kScaleCount> rawScores(const ItemValues& values) {
    std::array<double, kScaleCount> scores{};
    const auto& table = scaleTable();
    for (std::size_t s = 0; s < table.size(); ++s) {
        int sum = 0;
        if (table[s].scale == Scale::Total) {
            for (const std::int16_t value : values)
                sum += value;
        } else {
            for (const int item : table[s].items)
                sum += values[static_cast<std::size_t>(item - 1)];
        }
        scores[s] = sum;
    }
    return scores;
}

} // namespace obrix::scoring
