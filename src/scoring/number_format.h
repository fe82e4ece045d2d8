#pragma once

// The general number format of the result texts.

#include <string>
#include <string_view>

namespace obrix::scoring {

// value in the general number format: the shortest plain decimal form with at most 15 significant
// digits (like VB's Str/CStr, so 1.44 prints "1.44", not "1.4399999999999999"), no trailing
// zeros, no decimal separator for a whole number, no exponent (1e20 prints all its digits), a
// 0 before the separator when the magnitude is below 1, a leading "-" for a negative value.
// decimalSeparator replaces the period and may be any string (",", "." or longer).
// Zero of either sign prints "0", never "-0". Not locale dependent.
// Non-finite values (never produced by the scoring itself) print "Infinity", "-Infinity", "NaN".
std::string formatGeneral(double value, std::string_view decimalSeparator);

} // namespace obrix::scoring
