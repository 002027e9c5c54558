// The desktop over user32, as far as it acts on the program's own windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "backend_fixture.h"
#include "platform/forms.h"
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
  desktop.setTransparent(form, 0x00FF00, 200);
  ASSERT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(0, 255, 0));
  EXPECT_EQ(alpha, 200);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));

  desktop.setTransparent(form, -1, 255);
  ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
}

TEST_F(DesktopTest, AnOpacityThatIsNoByteLeavesTheWindowAsItWas) {
  for (int alpha : {-1, 256}) {
    desktop.setTransparent(form, 0x00FF00, alpha);
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) << alpha;
  }
}

TEST_F(DesktopTest, KeepingOnTopMakesTheWindowTopmostWithoutMovingIt) {
  form.move(1500, 1500, 3000, 1500);
  RECT before;
  GetWindowRect(window, &before);
  desktop.setTopmost(form);
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

}  // namespace
}  // namespace horalix::win32::test
