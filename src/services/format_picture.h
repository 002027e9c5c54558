// Formatting by picture, for the pictures the program uses: digit pictures ("00", "000": at
// least that many digits, halves rounded away from zero) and date and time pictures built from
// yyyy, yy, mm, m, dd, d, hh, h, nn, n, ss, s and literal separators ("hh:mm:ss", "hh:mm",
// "yyyy-mm-dd"; mm right after an hour or right before a second is minutes, else the month).
#pragma once

#include <string>
#include <string_view>

namespace horalix {

// A number, or a time value for a date and time picture. A picture outside the forms above is
// a programming error (std::invalid_argument).
std::string Format(double value, std::string_view picture);
// A text that is a number or a date or time (see CDate) is formatted as that value; any other
// text comes back unchanged.
std::string Format(std::string_view text, std::string_view picture);

}  // namespace horalix
