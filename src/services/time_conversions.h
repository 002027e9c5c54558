// Conversions between the three forms in which the program holds times: whole seconds (stage
// times, run lengths), time values (the set duration, the run record) and milliseconds (the
// elapsed and remaining time of a running count). None of them catches errors: a failure
// reaches the caller as a RuntimeError.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

// The time value of a duration in seconds. The duration is written as a clock text and read
// back, so 86,400 seconds or more (24 hours) and negative counts raise TypeMismatch.
double SecondsToTime(std::int32_t seconds);

// A duration in seconds as "hh:mm:ss" text. Below a day it is the text of SecondsToTime; a
// day or more keeps counting the hours ("25:00:00", "100:00:01"), which durationSeconds reads
// back. A negative count raises TypeMismatch.
std::string durationText(std::int32_t seconds);

// Hours, minutes, seconds and tenths of a count of milliseconds, in decimal without leading
// zeros, joined by "\": 83,456 gives "0\1\23\4". Hours are not limited to 23; a negative count
// gives floored negative parts ("-1\-1\-1\-5" for -500).
std::string SplitMilliseconds(std::int32_t milliseconds);

// The whole seconds of a time value's time of day (0 to 86,399); a date part is ignored.
std::int32_t TimeToSeconds(double time);
// The same value; the entry point of the run start, the settings window and the interaction
// timer.
std::int32_t TimeToSecondsByte(double time);

}  // namespace horalix
