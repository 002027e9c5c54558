#include "services/extended_screen.h"

#include "platform/platform.h"
#include "services/run_state_record.h"

namespace horalix {

int screenWidthTwips(platform::Platform& platform, const RunState& run) {
  return run.ScreenWidthPx * platform.desktop.twipsPerPixelX();
}

int screenHeightTwips(platform::Platform& platform, const RunState& run) {
  return run.ScreenHeightPx * platform.desktop.twipsPerPixelY();
}

void captureScreenSize(platform::Platform& platform, RunState& run) {
  const platform::PixelRect area = platform.desktop.fullScreenArea();
  run.ScreenWidthPx = area.width();
  run.ScreenHeightPx = area.height();
}

std::int32_t reduceByScreenHeights(std::int32_t top, std::int32_t screenHeight) {
  if (screenHeight <= 0 || top <= screenHeight) return top;
  // The number of heights that a one-at-a-time reduction would take off, in one step.
  const std::int64_t over = std::int64_t{top} - screenHeight;
  const std::int64_t heights = (over + screenHeight - 1) / screenHeight;
  return static_cast<std::int32_t>(top - heights * screenHeight);
}

}  // namespace horalix
