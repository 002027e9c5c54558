// The look and z-order of the program's windows, mirrored from the forms model: colour key,
// opacity, topmost band and the outline of a colour-keyed window.
#include <windows.h>

#include <gtest/gtest.h>

#include "backend_fixture.h"
#include "platform/forms.h"
#include "platform/win32/keyed_outline.h"

namespace horalix::win32::test {
namespace {

class WindowLookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Load();
    window = b.forms.windowOf(form);
    ASSERT_NE(window, nullptr);
  }

  Backend b;
  platform::Form form{b.forms, "time_glass"};
  HWND window = nullptr;
};

TEST_F(WindowLookTest, TransparencySetsTheColourKeyAndOpacity) {
  form.setLayered(0x00FF00, 200);
  ASSERT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(0, 255, 0));
  EXPECT_EQ(alpha, 200);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));

  form.setLayered(-1, 255);
  ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
}

TEST_F(WindowLookTest, AnOpacityThatIsNoByteLeavesTheWindowAsItWas) {
  for (int alpha : {-1, 256}) {
    form.setLayered(0x00FF00, alpha);
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) << alpha;
  }
}

// Raising a window into the topmost band neither moves it nor takes the keyboard from the
// window the user works in (a slide show under the clock).
TEST_F(WindowLookTest, KeepingOnTopMakesTheWindowTopmostWithoutMovingOrActivatingIt) {
  form.move(1500, 1500, 3000, 1500);
  form.Show();
  platform::Form other{b.forms, "other"};
  other.move(6000, 1500, 3000, 1500);
  other.Show();
  HWND working = b.forms.windowOf(other);
  SetForegroundWindow(working);
  ASSERT_EQ(GetForegroundWindow(), working);
  RECT before;
  GetWindowRect(window, &before);
  form.setTopmost(true);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetForegroundWindow(), working);
  RECT after;
  GetWindowRect(window, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
}

// A rounded outline on a colour-keyed window is drawn, not cut: no region (Wine would leave the
// cut corners black), and a surface's part outside the outline takes the key colour. An
// opaque or alpha-only window keeps its region and paints nothing extra.
TEST_F(WindowLookTest, AColourKeyedWindowDrawsItsOutlineInTheKeyColour) {
  struct Case {
    std::int64_t key;
    bool drawn;
  };
  for (const Case c : {Case{0x00FF0A, true}, Case{-1, false}}) {
    platform::Form face{b.forms, "face"};
    face.setBorderStyle(0);
    face.move(1500, 1500, 1500, 750);
    face.Load();
    HWND hwnd = b.forms.windowOf(face);
    ASSERT_NE(hwnd, nullptr);
    RECT frame{};
    GetWindowRect(hwnd, &frame);
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    face.setLayered(c.key, 255);
    const platform::WindowRegion outline{1, 1, w - 1, h - 1, 20, 20};
    face.setRegion(outline);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(hwnd, region) == ERROR, c.drawn) << c.key;
    DeleteObject(region);

    // A surface of the window's size at its corner, and one of 20 × 20 at its far corner.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP image = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(dc, image);
    const RECT all{0, 0, w, h};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &all, white);
    paintOutsideOutline(dc, hwnd, face.region(), POINT{0, 0}, SIZE{w, h});
    const COLORREF edge = c.drawn ? RGB(0x0A, 0xFF, 0x00) : RGB(255, 255, 255);
    EXPECT_EQ(GetPixel(dc, 0, 0), edge) << c.key;
    EXPECT_EQ(GetPixel(dc, 3, 3), edge) << c.key;
    EXPECT_EQ(GetPixel(dc, w / 2, h / 2), RGB(255, 255, 255)) << c.key;
    FillRect(dc, &all, white);
    paintOutsideOutline(dc, hwnd, face.region(), POINT{w - 20, h - 20}, SIZE{20, 20});
    EXPECT_EQ(GetPixel(dc, 19, 19), edge) << c.key;
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255)) << c.key;
    DeleteObject(white);
    SelectObject(dc, old);
    DeleteObject(image);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    face.Unload();
  }
}

}  // namespace
}  // namespace horalix::win32::test
