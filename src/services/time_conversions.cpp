#include "services/time_conversions.h"

#include <cmath>

#include "services/format_picture.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

double SecondsToTime(std::int32_t seconds) {
  // The parts are 16-bit integers: a count far beyond a day overflows before the text is read.
  const std::int16_t hours = CInt(Int(seconds / 3600.0));
  const std::int32_t withinHour = seconds % 3600;  // keeps the sign of the count
  const std::int16_t minutes = CInt(Int(withinHour / 60.0));
  const std::int16_t secs = CInt(withinHour % 60);
  return CDate(Format(hours, "00") + ":" + Format(minutes, "00") + ":" + Format(secs, "00"));
}

std::string durationText(std::int32_t seconds) {
  constexpr std::int32_t kSecondsPerDay = 86400;
  if (seconds < kSecondsPerDay) return Format(SecondsToTime(seconds), "hh:mm:ss");
  return Format(seconds / 3600, "00") + ":" + Format(seconds % 3600 / 60, "00") + ":" +
         Format(seconds % 60, "00");
}

std::string SplitMilliseconds(std::int32_t milliseconds) {
  const std::int32_t hours = CLng(Int(milliseconds / 3600000.0));
  std::int32_t rest = milliseconds % 3600000;
  const std::int32_t minutes = CLng(Int(rest / 60000.0));
  rest %= 60000;
  const std::int32_t seconds = CLng(Int(rest / 1000.0));
  // The hundreds digit of the milliseconds within the second: 1,999 gives 9, 1,099 gives 0.
  const std::int32_t tenths = (rest % 1000 - rest % 100) / 100;
  return std::to_string(hours) + "\\" + std::to_string(minutes) + "\\" + std::to_string(seconds) +
         "\\" + std::to_string(tenths);
}

std::int32_t TimeToSeconds(double time) {
  const DateTimeParts p = splitDateTime(time);
  return CLng(p.hour * 3600.0 + p.minute * 60.0 + p.second);
}

std::int32_t TimeToSecondsByte(double time) { return TimeToSeconds(time); }

}  // namespace horalix
