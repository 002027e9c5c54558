#include "services/clock_mark.h"

#include "platform/platform.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"
#include "services/time_value.h"

namespace horalix {

namespace {
constexpr std::int64_t kDayMs = 86'400'000;
}

ClockMethod readClockMethod(const RunState& run) { return run.method; }

std::optional<std::int32_t> clockMark(platform::Platform& platform, ClockMethod method) {
  switch (method) {
    case ClockMethod::TickCount:
      return static_cast<std::int32_t>(platform.loop.tickCount());
    case ClockMethod::SecondsSinceMidnight: {
      const auto t = platform.loop.localTime();
      return ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
    }
    case ClockMethod::TimeOfDay: {
      const auto t = platform.loop.localTime();
      return ((t.hour * 60 + t.minute) * 60 + t.second) * 1000;
    }
    default:
      return std::nullopt;
  }
}

std::int64_t clockSpan(ClockMethod method, std::int32_t from, std::int32_t to) {
  if (method == ClockMethod::TickCount) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(to) -
                                     static_cast<std::uint32_t>(from));
  }
  std::int64_t span = static_cast<std::int64_t>(to) - from;
  if (span < 0) span += kDayMs;
  return span;
}

std::optional<double> elapsedByMethod(platform::Platform& platform, ClockMethod method,
                                      std::int32_t startMark, const std::string& startTime,
                                      double banked) {
  std::optional<std::int64_t> span;
  if (method == ClockMethod::TickCount || method == ClockMethod::SecondsSinceMidnight) {
    // The tick count is subtracted modulo 2^32: a count across its wrap counts on.
    if (const auto now = clockMark(platform, method)) span = clockSpan(method, startMark, *now);
  } else if (method == ClockMethod::TimeOfDay) {
    const std::int64_t started = TimeToSeconds(TimeValue(startTime));
    const std::int64_t now = TimeToSeconds(timeOf(platform.loop.localTime()));
    span = (now - started) * 1000;
  }
  if (!span) return std::nullopt;
  double sum = static_cast<double>(*span) + banked;
  if (method != ClockMethod::TickCount && sum < 0) sum += kDayMs;
  return sum;
}

}  // namespace horalix
