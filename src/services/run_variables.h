// The process-wide variables of the current run, shared by the clock and timing modules.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

struct RunVariables {
  // Millisecond mark of the start of the running segment, in the unit of the clock method.
  std::int32_t StartTick = 0;
  // Set length of the last run start, in seconds and in milliseconds.
  std::int32_t RunSeconds = 0;
  std::int32_t RunMillis = 0;
  // What the count-down does at zero: 0 overtime, 1 stop, 2 cycle, 5 no run bound.
  std::int16_t AfterZeroAction = 0;
  std::int32_t BlinkCount = 0;
  std::int32_t BlinkHold = 0;
  // Put before the count text in overtime: "", "-" or "超时".
  std::string OvertimePrefix;
  bool BackPictureOn = false;
  // The primary screen's full-screen client area, in pixels.
  std::int32_t ScreenWidthPx = 0;
  std::int32_t ScreenHeightPx = 0;
};

}  // namespace horalix
