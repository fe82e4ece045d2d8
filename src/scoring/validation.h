#pragma once

// The validation walk over the 18 item texts.

#include "scoring/calculation.h"

#include <array>
#include <string_view>

namespace obrix::scoring {

// The order in which the main window visits its item boxes: items 2 and 3 come before item 1.
inline constexpr std::array<int, kItemCount> kWalkOrder{2,  3,  1,  4,  5,  6,  7,  8,  9,
                                                        10, 11, 12, 13, 14, 15, 16, 17, 18};

// The test of one item text: EmptyItem for exactly the empty text (a blank is not empty),
// OutOfRange when its number (readNumber, before any rounding) is above 4 or below 0.
ValidationError validateItem(std::string_view text);

// The walk: the items in kWalkOrder, the first failing one decides.
ValidationError validateItems(const ItemTexts& items);

} // namespace obrix::scoring
