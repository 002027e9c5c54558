#pragma once

#include <string>

namespace horalix {

// Numbers written in the C locale through the C library's formatter, which the program links
// anyway (the C++ library's floating-point to_chars would add its large tables).

// printf's "%.*g": at most `significantDigits` digits, trailing zeros dropped, exponent form
// ("1.5e+20") when the exponent is below -4 or not below the precision.
std::string generalNumberText(double value, int significantDigits);

// The value rounded to a whole number and written without exponent ("%.0f").
std::string wholeNumberText(double value);

// The fewest digits that read back as the same double, written in fixed or exponent form,
// whichever is shorter (fixed on a tie): 0.1 -> "0.1", 1e6 -> "1e+06", 123456 -> "123456".
std::string shortestNumberText(double value);

}  // namespace horalix
