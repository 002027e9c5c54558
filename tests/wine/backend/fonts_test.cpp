// Fonts over GDI: realised sizes in whole pixels, text sizes by lines.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "backend_fixture.h"
#include "platform/win32/win32_fonts.h"

namespace horalix::win32::test {
namespace {

using platform::FontSpec;

TEST(Win32Fonts, SizesRealiseAsWholePixelsOfTheScreen) {
  Win32Fonts fonts;
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  for (double size : {9.0, 10.0, 12.0, 36.0}) {
    const FontSpec realised = fonts.realise({"Arial", size, true, false});
    const double pixels = realised.size * dpi / 72.0;
    EXPECT_NEAR(pixels, std::round(pixels), 1e-6) << size;
    EXPECT_NEAR(realised.size, size, 72.0 / dpi) << size;
    EXPECT_TRUE(realised.bold);
    EXPECT_FALSE(realised.name.empty());
  }
}

TEST(Win32Fonts, TextsMeasureByTheirWidestLineAndLineCount) {
  Win32Fonts fonts;
  const FontSpec font{"Arial", 12, false, false};
  const platform::TextExtent one = fonts.measure(font, "00:05:00");
  const platform::TextExtent empty = fonts.measure(font, "");
  const platform::TextExtent two = fonts.measure(font, "00:05:00\r\n1");
  const platform::TextExtent three = fonts.measure(font, "1\n00:05:00\n");
  EXPECT_GT(one.width, 0);
  EXPECT_EQ(empty.width, 0);
  EXPECT_EQ(empty.height, one.height);
  EXPECT_EQ(two.width, one.width);
  EXPECT_EQ(two.height, 2 * one.height);
  EXPECT_EQ(three.width, one.width);
  EXPECT_EQ(three.height, 3 * one.height);
  EXPECT_GT(fonts.measure(font, "WWWW").width, fonts.measure(font, "iiii").width);
}

TEST(Win32Fonts, AMissingFontFileIsNotRegistered) {
  Win32Fonts fonts;
  TempFolder folder;
  EXPECT_FALSE(fonts.addFontFile(folder.file("trebuc.ttf")));
}

}  // namespace
}  // namespace horalix::win32::test
