// The tray icon and its popup menu.
#include <windows.h>

#include <gtest/gtest.h>

#include "backend_fixture.h"
#include "platform/forms.h"
#include "platform/timer.h"
#include "platform/win32/win32_tray.h"

namespace horalix::win32::test {
namespace {

// Chooses an item of the open popup menu with the keyboard, as a user would.
void chooseFromOpenMenu(int downs) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (menu == nullptr) return;
  for (int i = 0; i < downs; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

TEST(Win32Tray, ThePopupRunsTheChosenItemAfterTheMenuHasClosed) {
  Backend b;
  Win32Tray tray(b.guard, b.forms);
  platform::Form form(b.forms, "Frm_exit");
  form.Load();
  platform::MenuItem& root = form.menuRoot().add("menu_main", -1, "tray");
  platform::MenuItem& hidden = root.add("menu_one", 0, "隐藏");
  platform::MenuItem& start = root.add("menu_one", 1, "开始计时");
  platform::MenuItem& exit = root.add("menu_one", 2, "退出");
  hidden.setVisible(false);
  bool menuOpenDuringClick = true;
  int startClicks = 0, otherClicks = 0;
  bool closedBeforeClick = false;
  tray.onMenuClosed = [&] { closedBeforeClick = startClicks == 0; };
  start.Click = [&] {
    ++startClicks;
    menuOpenDuringClick = FindWindowW(L"#32768", nullptr) != nullptr &&
                          IsWindowVisible(FindWindowW(L"#32768", nullptr));
  };
  hidden.Click = exit.Click = [&] { ++otherClicks; };
  int ticks = 0;
  platform::Timer chooser(b.loop.timers(), "chooser", 50, true);
  chooser.onTick = [&] {
    // Timers keep running while the menu is open; the second tick chooses "开始计时", the
    // first visible item, with one step down and Enter.
    if (++ticks == 2) chooseFromOpenMenu(1);
  };
  ASSERT_TRUE(tray.add(form, "Horalix"));
  tray.popup(form, root);
  EXPECT_GE(ticks, 2);
  EXPECT_EQ(startClicks, 1);
  EXPECT_EQ(otherClicks, 0);
  EXPECT_FALSE(menuOpenDuringClick);
  EXPECT_TRUE(closedBeforeClick);
  tray.onMenuClosed = nullptr;
}

}  // namespace
}  // namespace horalix::win32::test
