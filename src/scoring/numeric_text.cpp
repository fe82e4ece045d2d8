#include "scoring/numeric_text.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace obrix::scoring {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text with blanks skipped; '\0' stands for "no more characters".
class Cursor {
public:
    explicit Cursor(std::string_view text)
        : text_(text) {}

    char peek() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

int digitValue(char c, int radix) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < radix ? value : -1;
}

// Digits after "&H" or "&O", typed like a VB literal (see the header).
double readRadixDigits(Cursor& cursor, int radix) {
    // Accumulated as a double: exact up to 2^53, which covers every value that wraps; beyond that
    // the value only grows (up to +infinity), so it stays out of the wrapping ranges.
    double value = 0;
    for (int digit = digitValue(cursor.peek(), radix); digit >= 0;
         digit = digitValue(cursor.peek(), radix)) {
        value = value * radix + digit;
        cursor.advance();
    }
    constexpr double k16 = 65536.0;
    constexpr double k32 = 4294967296.0;
    if (value < k16)
        return value >= k16 / 2 ? value - k16 : value;
    if (value < k32)
        return value >= k32 / 2 ? value - k32 : value;
    return value;
}

// Saturating addition for the decimal exponent: anything beyond this bound is far outside the
// range of a double anyway.
constexpr std::int64_t kExponentBound = 1'000'000'000;

std::int64_t clampExponent(std::int64_t e) {
    if (e > kExponentBound)
        return kExponentBound;
    if (e < -kExponentBound)
        return -kExponentBound;
    return e;
}

double readDecimal(Cursor& cursor) {
    bool negative = false;
    if (const char sign = cursor.peek(); sign == '+' || sign == '-') {
        negative = sign == '-';
        cursor.advance();
    }

    // value = digits * 10^scale, digits without leading zeros.
    std::string digits;
    std::int64_t scale = 0;
    bool anyDigit = false;
    for (char c = cursor.peek(); isDecimalDigit(c); c = cursor.peek()) {
        anyDigit = true;
        if (!digits.empty() || c != '0')
            digits += c;
        cursor.advance();
    }
    if (cursor.peek() == '.') {
        cursor.advance();
        for (char c = cursor.peek(); isDecimalDigit(c); c = cursor.peek()) {
            anyDigit = true;
            if (!digits.empty() || c != '0')
                digits += c;
            --scale;
            cursor.advance();
        }
    }
    if (!anyDigit)
        return 0.0;

    std::int64_t exponent = 0;
    if (const char e = cursor.peek(); e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        cursor.advance();
        bool negativeExponent = false;
        if (const char sign = cursor.peek(); sign == '+' || sign == '-') {
            negativeExponent = sign == '-';
            cursor.advance();
        }
        for (char c = cursor.peek(); isDecimalDigit(c); c = cursor.peek()) {
            exponent = clampExponent(exponent * 10 + (c - '0'));
            cursor.advance();
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    const double zero = negative ? -0.0 : 0.0;
    const double infinity = negative ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
    if (digits.empty())
        return zero;

    const std::int64_t totalExponent = clampExponent(scale) + exponent;
    // The value lies in [10^(order - 1), 10^order).
    const std::int64_t order = static_cast<std::int64_t>(digits.size()) + totalExponent;
    if (order > 400)
        return infinity;
    if (order < -400)
        return zero;

    // Locale-independent, correctly rounded conversion of "<digits>e<exponent>".
    std::string normalised = std::move(digits);
    normalised += 'e';
    normalised += std::to_string(totalExponent);
    double magnitude = 0.0;
    const auto [end, error] =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), magnitude);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return order > 0 ? infinity : zero;
    if (error != std::errc())
        return zero; // cannot happen: the text is well formed
    return negative ? -magnitude : magnitude;
}

} // namespace

double readNumber(std::string_view text) {
    Cursor cursor(text);
    if (cursor.peek() == '&') {
        cursor.advance();
        const char radix = cursor.peek();
        if (radix == 'h' || radix == 'H') {
            cursor.advance();
            return readRadixDigits(cursor, 16);
        }
        if (radix == 'o' || radix == 'O') {
            cursor.advance();
            return readRadixDigits(cursor, 8);
        }
        return 0.0;
    }
    return readDecimal(cursor);
}

} // namespace obrix::scoring
