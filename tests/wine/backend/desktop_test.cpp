// The desktop over user32, as far as it acts on the program's own windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "backend_fixture.h"
#include "platform/forms.h"
#include "platform/win32/keyed_outline.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_desktop.h"

namespace horalix::win32::test {
namespace {

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.setCaption("Horalix clock");
    form.Load();
    window = b.forms.windowOf(form);
    ASSERT_NE(window, nullptr);
  }

  Backend b;
  platform::Form form{b.forms, "time_glass"};
  Win32Desktop desktop{b.forms};
  HWND window = nullptr;
};

TEST_F(DesktopTest, TransparencySetsTheColourKeyAndOpacity) {
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

TEST_F(DesktopTest, AnOpacityThatIsNoByteLeavesTheWindowAsItWas) {
  for (int alpha : {-1, 256}) {
    form.setLayered(0x00FF00, alpha);
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) << alpha;
  }
}

// The window mirrors the form: a look given before the window exists is there when it is made,
// and a window loaded again starts plain.
TEST_F(DesktopTest, TheLayeredLookFollowsTheFormThroughUnloadAndLoad) {
  platform::Form face{b.forms, "face"};
  face.setLayered(0x00FF00, 180);
  face.setTopmost(true);
  face.Load();
  HWND hwnd = b.forms.windowOf(face);
  ASSERT_NE(hwnd, nullptr);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(0, 255, 0));
  EXPECT_EQ(alpha, 180);
  EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

  ASSERT_TRUE(face.Unload());
  face.Load();
  hwnd = b.forms.windowOf(face);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_FALSE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_FALSE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(DesktopTest, KeepingOnTopMakesTheWindowTopmostWithoutMovingIt) {
  form.move(1500, 1500, 3000, 1500);
  RECT before;
  GetWindowRect(window, &before);
  form.setTopmost(true);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT after;
  GetWindowRect(window, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(DesktopTest, TheProgramsWindowsAreAmongTheTopWindowsWithTheirTitles) {
  const auto windows = desktop.topWindows();
  const auto found = std::find_if(windows.begin(), windows.end(), [&](const auto& w) {
    return w.handle == reinterpret_cast<std::uintptr_t>(window);
  });
  ASSERT_NE(found, windows.end());
  EXPECT_EQ(found->title, "Horalix clock");
  EXPECT_FALSE(found->visible);
}

TEST_F(DesktopTest, TheDesktopsTwipsAreTheFormsTwips) {
  // The program converts with the desktop's figures what the forms place with their own.
  EXPECT_EQ(desktop.twipsPerPixelX(), b.forms.units().twipsPerPixelX);
  EXPECT_EQ(desktop.twipsPerPixelY(), b.forms.units().twipsPerPixelY);
}

// A rounded outline on a colour-keyed window is drawn, not cut: no region (Wine would leave the
// cut corners black), and a surface's part outside the outline takes the key colour. An
// opaque or alpha-only window keeps its region and paints nothing extra.
TEST_F(DesktopTest, AColourKeyedWindowDrawsItsOutlineInTheKeyColour) {
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
    paintOutsideOutline(dc, hwnd, face.Region(), POINT{0, 0}, SIZE{w, h});
    const COLORREF edge = c.drawn ? RGB(0x0A, 0xFF, 0x00) : RGB(255, 255, 255);
    EXPECT_EQ(GetPixel(dc, 0, 0), edge) << c.key;
    EXPECT_EQ(GetPixel(dc, 3, 3), edge) << c.key;
    EXPECT_EQ(GetPixel(dc, w / 2, h / 2), RGB(255, 255, 255)) << c.key;
    FillRect(dc, &all, white);
    paintOutsideOutline(dc, hwnd, face.Region(), POINT{w - 20, h - 20}, SIZE{20, 20});
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
