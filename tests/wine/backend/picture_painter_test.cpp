// Picture boxes painted from the model: back colour, picture sections, texts.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "backend_fixture.h"
#include "platform/forms.h"
#include "platform/win32/picture_painter.h"
#include "platform/win32/win32_file_system.h"

namespace horalix::win32::test {
namespace {

// A 24-bit BMP file of `width` x 2 pixels: the left half blue, the right half green.
std::string twoColourBitmap(int width) {
  const int row = (width * 3 + 3) / 4 * 4;
  const int size = 54 + row * 2;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  auto put32 = [&](int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, width);
  put32(22, 2);
  bytes[26] = 1;
  bytes[28] = 24;
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < width; ++x) {
      const int at = 54 + y * row + x * 3;  // blue, green, red
      if (x < width / 2) {
        bytes[at] = static_cast<char>(0xFF);
      } else {
        bytes[at + 1] = static_cast<char>(0xFF);
      }
    }
  }
  return bytes;
}

class PicturePainterTest : public ::testing::Test {
 protected:
  // Paints the box into a bitmap of 100 x 50 pixels and returns its colours, row by row.
  std::vector<COLORREF> paint() {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP image = CreateCompatibleBitmap(screen, kWidth, kHeight);
    HGDIOBJ old = SelectObject(dc, image);
    paintPictureBox(dc, SIZE{kWidth, kHeight}, box, units, pictures);
    std::vector<COLORREF> colors;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) colors.push_back(GetPixel(dc, x, y));
    }
    SelectObject(dc, old);
    DeleteObject(image);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colors;
  }
  COLORREF paintedAt(int x, int y) { return paint()[y * kWidth + x]; }

  static constexpr int kWidth = 100, kHeight = 50;
  Backend b;
  platform::Form form{b.forms, "time_glass"};
  platform::Control& box = form.addControl("Picture2", -1, platform::ControlKind::PictureBox);
  ScreenUnits units{15, 15};
  PictureCache pictures;
};

// The spotlights' shapes: a white box inside a black frame, a white disc on black.
TEST_F(PicturePainterTest, BoxesAndEllipsesFillTheirRectangle) {
  box.setBackColor(0x000000);
  box.Cls();
  box.fillBox(30, 30, 1440, 600, 0xFFFFFF);  // pixels 2..97 x 2..41
  EXPECT_EQ(paintedAt(1, 1), RGB(0, 0, 0));
  EXPECT_EQ(paintedAt(2, 2), RGB(255, 255, 255));
  EXPECT_EQ(paintedAt(97, 41), RGB(255, 255, 255));
  EXPECT_EQ(paintedAt(98, 42), RGB(0, 0, 0));
  box.Cls();
  box.fillEllipse(0, 0, 1500, 750, 0xFFFFFF);  // the whole box
  EXPECT_EQ(paintedAt(50, 25), RGB(255, 255, 255));
  EXPECT_EQ(paintedAt(1, 1), RGB(0, 0, 0)) << "the corners lie outside the ellipse";
  EXPECT_EQ(paintedAt(98, 48), RGB(0, 0, 0));
}

TEST_F(PicturePainterTest, AClearPaintsTheBackColour) {
  box.setBackColor(0x0000FF);
  box.Cls();
  EXPECT_EQ(paintedAt(10, 10), RGB(255, 0, 0));
  box.setBackColor(0x00FF00);
  box.Cls();
  EXPECT_EQ(paintedAt(99, 49), RGB(0, 255, 0));
}

TEST_F(PicturePainterTest, APictureSectionIsStretchedIntoItsRectangle) {
  Win32FileSystem files;
  const std::string path = b.folder.file("back.bmp");
  ASSERT_TRUE(files.writeAll(path, twoColourBitmap(8)));
  box.setBackColor(0x000000);
  box.Cls();
  // The right (green) half of an 8 x 2 pixel picture, into the left 40 x 20 pixels of the box.
  box.PaintPicture(path, 0, 0, 600, 300, 60, 0, 60, 30, 120, 30);
  EXPECT_EQ(paintedAt(5, 5), RGB(0, 255, 0));
  EXPECT_EQ(paintedAt(35, 15), RGB(0, 255, 0));
  EXPECT_EQ(paintedAt(60, 10), RGB(0, 0, 0));
  EXPECT_EQ(paintedAt(10, 30), RGB(0, 0, 0));
  // A picture file that is not there paints nothing.
  box.PaintPicture(b.folder.file("missing.bmp"), 0, 0, 1500, 750, 120, 30);
  EXPECT_EQ(paintedAt(60, 10), RGB(0, 0, 0));
}

TEST_F(PicturePainterTest, PrintedTextIsDrawnInTheForeColourWhereItWasPrinted) {
  box.setBackColor(0x000000);
  box.setForeColor(0xFFFFFF);
  box.setFont({"Arial", 20, true, false});
  box.Cls();
  box.CurrentX = 750;  // 50 pixels
  box.Print("WWWW");
  const std::vector<COLORREF> colors = paint();
  int lit = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (colors[y * kWidth + x] != RGB(255, 255, 255)) continue;
      ++lit;
      EXPECT_GE(x, 50) << "text left of its print position at " << x << "," << y;
    }
  }
  EXPECT_GT(lit, 20);
}

// A closed window's pictures are freed, those that open windows still show are kept.
TEST(PictureCacheTest, ClosingAWindowFreesThePicturesOnlyItShowed) {
  Backend b;
  Win32FileSystem files;
  const std::string shared = b.folder.file("shared.bmp"), own = b.folder.file("own.bmp");
  ASSERT_TRUE(files.writeAll(shared, twoColourBitmap(8)));
  ASSERT_TRUE(files.writeAll(own, twoColourBitmap(4)));
  platform::Form stays{b.forms, "stays"}, closes{b.forms, "closes"};
  const auto show = [&](platform::Form& form, const std::vector<std::string>& pictures) {
    form.move(0, 0, 3000, 3000);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
      platform::Control& image =
          form.addControl("Image1", static_cast<int>(i), platform::ControlKind::Image);
      image.move(0, 600 * static_cast<int>(i), 600, 600);
      image.setPicture(pictures[i]);
    }
    form.Show();
    RedrawWindow(b.forms.windowOf(form), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  };
  show(stays, {shared});
  show(closes, {shared, own});
  ASSERT_EQ(b.forms.pictures().size(), 2u);
  closes.Unload();
  EXPECT_EQ(b.forms.pictures().size(), 1u);
  EXPECT_TRUE(b.forms.pictures().holds(shared));
  stays.Unload();
  EXPECT_EQ(b.forms.pictures().size(), 0u);
}

}  // namespace
}  // namespace horalix::win32::test
