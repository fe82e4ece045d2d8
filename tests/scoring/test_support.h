#pragma once

// Helpers shared by the scoring tests.

#include "scoring/calculation.h"

#include <initializer_list>
#include <string>
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

} // namespace obrix::scoring::testing
