#pragma once

// Reading a text as a number by its numeric prefix, the way Visual Basic's Val does.

#include <string_view>

namespace obrix::scoring {

// The number at the start of text, read by the numeric-prefix rule:
// - blanks (space, tab, line feed, carriage return) are skipped wherever they stand, so "1 2"
//   reads 12 and " - 3" reads -3;
// - decimal form: optional sign, digits, a period as the decimal point (always a period, whatever
//   the locale), an optional exponent (E or D in either case, optional sign, digits);
// - "&H" followed by hexadecimal digits, "&O" followed by octal digits (letters in either case);
// - reading stops at the first character that cannot continue the number; a text without a number
//   at its start reads 0.
//
// Never depends on the locale, never throws and has no undefined behaviour for any input:
// a decimal number too large for a double reads as +/-infinity (so "1e999" is out of any range),
// one too small reads as (signed) zero. "-0" reads as -0.0, which compares equal to 0.
//
// Radix forms (the choice made here, following VB's typing of &H/&O literals):
// - the value is typed by its size like a VB literal: up to 0xFFFF it is a 16-bit Integer, so
//   0x8000..0xFFFF wrap to negative ("&HFFFF" reads -1, "&H8000" reads -32768, "&H7FFF" 32767);
//   above that and up to 0xFFFFFFFF it is a 32-bit Long, so 0x80000000..0xFFFFFFFF wrap to
//   negative ("&HFFFFFFFF" reads -1, "&H10000" reads 65536); octal likewise ("&O177777" reads -1);
// - a larger value (VB raises an overflow there) reads as its plain positive magnitude, which is
//   out of range for every item rather than an error; very long digit runs give +infinity;
// - "&H"/"&O" without digits reads 0; "&" followed by anything else reads 0;
// - a sign before "&" is not part of the radix form: "-&H1" reads 0 (as VB source code, where the
//   minus would be an operator, not part of the literal).
double readNumber(std::string_view text);

} // namespace obrix::scoring
