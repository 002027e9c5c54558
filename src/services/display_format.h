// The forms in which the clock writes a count: 1 whole seconds ("150"), 2 minutes and seconds
// ("02:30", minutes not limited to 59), 3 hours, minutes and seconds ("00:02:30").
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

namespace platform {
struct Platform;
}

// The format chosen by optvalue characters 3, 4 and 5; the last of them that is 1 wins, none
// gives 3. A character that is missing or not a number raises TypeMismatch.
int DisplayFormat(const std::string& optvalue);

// A count of hours, minutes and seconds in a format.
std::string countText(int format, int hours, int minutes, int seconds);

// Milliseconds as the clock text "hh:mm:ss", hours not limited to 23 (tenths dropped).
std::string clockText(std::int32_t ms);

// The time of day: "hh:mm" in format 2, "hh:mm:ss" otherwise.
std::string timeOfDayText(platform::Platform& platform, int format);

}  // namespace horalix
