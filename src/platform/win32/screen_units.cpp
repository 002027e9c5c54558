#include "platform/win32/screen_units.h"

#include <cmath>

namespace horalix::win32 {

namespace {

int twipsPerPixel(int dpi) { return dpi > 0 ? 1440 / dpi : 15; }

int toPixels(int twips, int perPixel) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / perPixel));
}

}  // namespace

ScreenUnits ScreenUnits::current() {
  ScreenUnits units;
  if (HDC screen = GetDC(nullptr)) {
    units.twipsPerPixelX = twipsPerPixel(GetDeviceCaps(screen, LOGPIXELSX));
    units.twipsPerPixelY = twipsPerPixel(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
  }
  return units;
}

int ScreenUnits::toPixelsX(int twips) const { return toPixels(twips, twipsPerPixelX); }
int ScreenUnits::toPixelsY(int twips) const { return toPixels(twips, twipsPerPixelY); }

COLORREF toColorRef(std::uint32_t color) {
  if ((color & 0x80000000u) != 0) return GetSysColor(static_cast<int>(color & 0xFFu));
  return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace horalix::win32
