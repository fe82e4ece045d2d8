#include "scoring/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace obrix::scoring {

namespace {
constexpr int kSignificantDigits = 15;
}

std::string formatGeneral(double value, std::string_view decimalSeparator) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0)
        return "0";

    // "[-]d.dddddddddddddde[+-]dd": 15 significant digits, locale independent.
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::scientific, kSignificantDigits - 1);
    if (error != std::errc())
        return "NaN"; // cannot happen: the buffer is large enough for any double
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

    const bool negative = scientific.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t exponentMark = scientific.find('e');
    std::string digits;
    for (std::size_t i = mantissaStart; i < exponentMark; ++i)
        if (scientific[i] != '.')
            digits += scientific[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    {
        std::string_view exponentText = scientific.substr(exponentMark + 1);
        if (!exponentText.empty() && exponentText.front() == '+')
            exponentText.remove_prefix(1);
        std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    }

    std::string text;
    if (negative)
        text += '-';
    if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text += decimalSeparator;
            text.append(digits, integerDigits);
        }
    } else {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

} // namespace obrix::scoring
