// Twips (1/1440 inch) against screen pixels, and the program's colour values against GDI's.
#pragma once

#include <windows.h>

#include <cstdint>

namespace horalix::win32 {

struct ScreenUnits {
  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;

  // 1440 divided by the screen's logical pixels per inch: 15 at 96 DPI, 12 at 120 DPI.
  static ScreenUnits current();
  // The screen's logical pixels per inch, as GDI fonts are sized by.
  struct Dpi {
    int x, y;
  };
  static Dpi screenDpi();

  int toPixelsX(int twips) const;
  int toPixelsY(int twips) const;
  int toTwipsX(int pixels) const { return pixels * twipsPerPixelX; }
  int toTwipsY(int pixels) const { return pixels * twipsPerPixelY; }
};

// A colour value of the program: 0x00BBGGRR, or 0x80000000 | n for the system colour n
// (0x8000000F is the face colour of buttons and dialogs).
COLORREF toColorRef(std::uint32_t color);

}  // namespace horalix::win32
