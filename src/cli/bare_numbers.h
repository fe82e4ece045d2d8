#pragma once

// The numbers inside the window's result texts, for the output forms that give bare numbers.
// Taking them from the texts keeps them identical to what the window shows.

#include <optional>
#include <string_view>

namespace obrix::cli {

// "1.44" from "Z Score = 1.44".
std::string_view zScoreNumber(std::string_view zScoreText);

// "92.45" from "92.45 Percentile"; nothing for "N/A" (a raw score of 0 has no percentile).
std::optional<std::string_view> percentileNumber(std::string_view percentileText);

} // namespace obrix::cli
