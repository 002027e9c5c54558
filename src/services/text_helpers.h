// Small text helpers shared by most windows: cutting stored text at its first control
// character, shortening a time text, the width of a name on screen, the database password.
#pragma once

#include <string>
#include <string_view>

namespace horalix {

// The text before its first LF, TAB, NUL or CR. Registry and INI values read through the
// settings routines pass through it; the first form also cuts its argument.
std::string CutAtControlChar(std::string& text);
std::string CutAtControlChar(std::string_view text);

// The second and third fields of a time text "hh:mm:ss" joined by ":" ("00:05:30" gives
// "05:30"). Fewer than three fields raise SubscriptOutOfRange.
std::string TimeToMinSec(std::string_view time);

// The width of a text in full-width character units: Latin letters, "." and digits count one
// half, a blank and every other character one ("abc 12" gives 3.5). More than 32,767
// characters of one kind raise Overflow.
double TextWidthUnits(std::string_view text);

// The password of the program's database (eight digits and capital letters).
std::string GetDbPassword();

}  // namespace horalix
