#include "services/extended_screen.h"

#include "services/context.h"

namespace horalix {

int screenWidthTwips(Context& context) {
  return context.run.ScreenWidthPx * context.platform.desktop.twipsPerPixelX();
}

int screenHeightTwips(Context& context) {
  return context.run.ScreenHeightPx * context.platform.desktop.twipsPerPixelY();
}

void captureScreenSize(Context& context) {
  const platform::PixelRect area = context.platform.desktop.fullScreenArea();
  context.run.ScreenWidthPx = area.width();
  context.run.ScreenHeightPx = area.height();
}

std::int32_t reduceByScreenHeights(std::int32_t top, std::int32_t screenHeight) {
  if (screenHeight <= 0 || top <= screenHeight) return top;
  // The number of heights that a one-at-a-time reduction would take off, in one step.
  const std::int64_t over = std::int64_t{top} - screenHeight;
  const std::int64_t heights = (over + screenHeight - 1) / screenHeight;
  return static_cast<std::int32_t>(top - heights * screenHeight);
}

}  // namespace horalix
