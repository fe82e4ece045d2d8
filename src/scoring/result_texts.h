#pragma once

// The texts of a scale's results as the results panel shows them: made here, from the numbers,
// for the window and for every other place that shows the window's texts.

#include "scoring/calculation.h"

#include <optional>
#include <string>
#include <string_view>

namespace obrix::scoring {

// "36": the plain decimal integer.
std::string rawScoreText(int raw);

// "Z Score = 1.44", the number in the general number format with decimalSeparator.
std::string zScoreText(double zScore, std::string_view decimalSeparator);

// "92.45 Percentile", or "N/A" when there is no percentile (a raw score of 0).
std::string percentileText(const std::optional<double>& percentile,
                           std::string_view decimalSeparator);

} // namespace obrix::scoring
