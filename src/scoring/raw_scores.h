#pragma once

// Item values and the seven raw scores.

#include "scoring/calculation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace obrix::scoring {

using ItemValues = std::array<std::int16_t, kItemCount>; // item n at index n - 1

// The item value of a text: its number (readNumber) rounded half to even into a 16-bit signed
// integer ("2.5" -> 2, "3.5" -> 4, "0.4" -> 0, " " -> 0); nullopt when it does not fit 16 bits.
std::optional<std::int16_t> itemValue(std::string_view text);

// The values of all 18 items; nullopt when one does not fit 16 bits (never after validation,
// which leaves every value in 0..4).
std::optional<ItemValues> itemValues(const ItemTexts& items);

// The raw scores in scale order: each subscale sums its three items, the Total all 18, held as
// doubles. The sums are those of VB's 16-bit Integer arithmetic for validated values (0..4, so a
// sum is at most 72); they are formed in int here, so no input can overflow.
std::array<double, kScaleCount> rawScores(const ItemValues& values);

} // namespace obrix::scoring
