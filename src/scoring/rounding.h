#pragma once

// Rounding with exact halves going to the even neighbour (banker's rounding), as used for the
// item values, the z-scores and the percentiles.

#include <cstdint>
#include <optional>

namespace obrix::scoring {

// The nearest whole number; an exact half goes to the even neighbour (0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2, -2.5 -> -2). Independent of the floating-point rounding mode. Infinities and NaN are
// returned unchanged; a result of zero keeps the sign of x (-0.4 -> -0.0).
double roundHalfEven(double x);

// x reduced to two decimals: scaled by 100, rounded half to even, scaled back. 2.625 becomes 2.62
// (262.5 is exact in binary), 2.375 becomes 2.38.
double roundToHundredths(double x);

// The nearest 16-bit signed integer, halves to even (VB's CInt); nullopt when the rounded value
// does not fit (VB's overflow) or x is NaN.
std::optional<std::int16_t> toInt16HalfEven(double x);

} // namespace obrix::scoring
