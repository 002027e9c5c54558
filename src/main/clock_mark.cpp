#include "main/clock_mark.h"

#include "main/frm_exit.h"
#include "services/context.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {
constexpr std::int64_t kDayMs = 86'400'000;
}

ClockMethod ReadClockMethod(Context& app) { return ReadClockMethodCell(app.frmExit().Label16); }

std::optional<std::int32_t> ClockMark(Context& app, ClockMethod method) {
  switch (method) {
    case ClockMethod::TickCount:
      return static_cast<std::int32_t>(app.platform.loop.tickCount());
    case ClockMethod::SecondsSinceMidnight: {
      const auto t = app.platform.loop.localTime();
      return ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
    }
    case ClockMethod::TimeOfDay: {
      const auto t = app.platform.loop.localTime();
      return ((t.hour * 60 + t.minute) * 60 + t.second) * 1000;
    }
    default:
      return std::nullopt;
  }
}

std::int64_t ClockSpan(ClockMethod method, std::int32_t from, std::int32_t to) {
  if (method == ClockMethod::TickCount) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(to) -
                                     static_cast<std::uint32_t>(from));
  }
  std::int64_t span = static_cast<std::int64_t>(to) - from;
  if (span < 0) span += kDayMs;
  return span;
}

}  // namespace horalix
