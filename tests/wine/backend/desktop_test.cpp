// The desktop over user32, as far as it acts on the program's own windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "backend_fixture.h"
#include "platform/forms.h"
#include "platform/timer.h"
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

// The clock's text changes width at a tick while the user drags the clock: the window stays
// under the pointer and the model keeps the place the drag reached, also when the button is
// released right after the tick.
TEST_F(DesktopTest, AWindowDraggedWhileItsTextWidensStaysWhereTheDragBroughtIt) {
  // A bare window kept on top, as the clock, the mirror and the prompt bars are.
  form.Unload();
  form.setBorderStyle(0);
  form.move(1500, 1500, 3000, 750);
  form.Load();
  window = b.forms.windowOf(form);
  form.setTopmost(true);
  form.Show();
  RECT from{};
  ASSERT_TRUE(GetWindowRect(window, &from));
  const POINT grab{from.left + 10, from.top + 10};
  constexpr int kDx = 120, kDy = 60;
  form.MouseDown = [&](int, int, float, float) { desktop.dragWithPointer(form); };

  // The left button held as the move loop reads it; the pointer at the grab point.
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_LBUTTON] = 0x80;
  SetKeyboardState(keys);
  SetCursorPos(grab.x, grab.y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));

  int step = 0;
  RECT afterWidening{};
  platform::Timer user(b.loop.timers(), "test.user", 50, true);
  user.onTick = [&] {
    switch (step++) {
      case 0:  // the pointer moves
        SetCursorPos(grab.x + kDx, grab.y + kDy);
        PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10 + kDx, 10 + kDy));
        break;
      case 1:  // a tick widens the text
        form.setWidth(form.Width() + 1500);
        GetWindowRect(window, &afterWidening);
        break;
      case 2:  // and the button is let go at once
        keys[VK_LBUTTON] = 0;
        SetKeyboardState(keys);
        PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(10 + kDx, 10 + kDy));
        user.setEnabled(false);
        break;
    }
  };
  ASSERT_TRUE(b.runUntil([&] { return step == 3 && GetCapture() == nullptr; }));

  EXPECT_EQ(afterWidening.left, from.left + kDx) << "the widened window stays under the pointer";
  EXPECT_EQ(afterWidening.top, from.top + kDy);
  EXPECT_EQ(afterWidening.right - afterWidening.left, b.forms.units().toPixelsX(form.Width()));
  EXPECT_EQ(form.Left(), (from.left + kDx) * b.forms.units().twipsPerPixelX) << "the drop";
  EXPECT_EQ(form.Top(), (from.top + kDy) * b.forms.units().twipsPerPixelY);
  RECT now{};
  GetWindowRect(window, &now);
  EXPECT_EQ(now.left, from.left + kDx);
}

}  // namespace
}  // namespace horalix::win32::test
