#include "platform/win32/screen_units.h"

#include <cmath>

namespace horalix::win32 {

namespace {

int twipsPerPixel(int dpi) { return 1440 / dpi; }

int toPixels(int twips, int perPixel) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / perPixel));
}

}  // namespace

// The system's logical resolution changes only with a new sign-in: read once.
ScreenUnits::Dpi ScreenUnits::screenDpi() {
  static const Dpi dpi = [] {
    Dpi read{96, 96};
    if (HDC screen = GetDC(nullptr)) {
      read.x = GetDeviceCaps(screen, LOGPIXELSX);
      read.y = GetDeviceCaps(screen, LOGPIXELSY);
      ReleaseDC(nullptr, screen);
    }
    if (read.x <= 0 || read.y <= 0) read = {96, 96};
    return read;
  }();
  return dpi;
}

ScreenUnits ScreenUnits::current() {
  const Dpi dpi = screenDpi();
  return {twipsPerPixel(dpi.x), twipsPerPixel(dpi.y)};
}

int ScreenUnits::toPixelsX(int twips) const { return toPixels(twips, twipsPerPixelX); }
int ScreenUnits::toPixelsY(int twips) const { return toPixels(twips, twipsPerPixelY); }

COLORREF toColorRef(std::uint32_t color) {
  if ((color & 0x80000000u) != 0) return GetSysColor(static_cast<int>(color & 0xFFu));
  return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace horalix::win32
