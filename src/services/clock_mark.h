// Time marks of the running segment, in the unit of the run's clock method.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "services/run_state_record.h"

namespace horalix {

namespace platform {
struct Platform;
}

// The run's clock method.
ClockMethod readClockMethod(const RunState& run);

// "Now" by a clock method: the system tick count (its 32 bits as a signed number), whole
// milliseconds since local midnight, or the whole seconds of the time of day times 1000. Any
// other method takes no mark.
std::optional<std::int32_t> clockMark(platform::Platform& platform, ClockMethod method);

// Milliseconds from `from` to `to` by a clock method. The tick count is subtracted modulo 2^32,
// so a segment across its wrap is not a failure; the two time-of-day methods add a day when
// midnight lies between the marks.
std::int64_t clockSpan(ClockMethod method, std::int32_t from, std::int32_t to);

// Milliseconds a count has lasted by a clock method: `banked` plus the running segment, which
// began at the mark `startMark` (tick count, seconds since midnight) or at the time of day
// `startTime` ("hh:mm:ss", time of day). By the time-of-day methods a negative result gains a day.
// Empty for any other method; a start time that does not read as a time raises TypeMismatch.
std::optional<double> elapsedByMethod(platform::Platform& platform, ClockMethod method,
                                      std::int32_t startMark, const std::string& startTime,
                                      double banked);

}  // namespace horalix
