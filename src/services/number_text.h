#pragma once

#include <string>

namespace horalix {

// Numbers written and read in the C locale through the C library's formatter and reader, which
// the program links anyway (the C++ library's floating-point to_chars and from_chars would add
// their large tables).

// The double nearest to a decimal text of an optional "-", digits with at most one ".", and an
// optional exponent ("-12.5e3"): infinity (with the sign) when its magnitude is beyond a
// double's range, zero or a denormal when it is too small for a normal double.
double decimalTextValue(const std::string& text);

// printf's "%.*g": at most `significantDigits` digits, trailing zeros dropped, exponent form
// ("1.5e+20") when the exponent is below -4 or not below the precision.
std::string generalNumberText(double value, int significantDigits);

// The value rounded to a whole number and written without exponent ("%.0f").
std::string wholeNumberText(double value);

// The fewest digits that read back as the same double, written in fixed or exponent form,
// whichever is shorter (fixed on a tie): 0.1 -> "0.1", 1e6 -> "1e+06", 123456 -> "123456".
std::string shortestNumberText(double value);

}  // namespace horalix
