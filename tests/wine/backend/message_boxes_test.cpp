// Message boxes: the program's timers go on while a box is open, and a timed box closes itself.
#include <windows.h>

#include <gtest/gtest.h>

#include "backend_fixture.h"
#include "platform/message_boxes.h"
#include "platform/timer.h"
#include "platform/win32/win32_message_boxes.h"

namespace horalix::win32::test {
namespace {

namespace answer = platform::answer;

// Answers the open box of this caption with OK, as a user would.
void pressOk(const wchar_t* caption) {
  if (HWND box = FindWindowW(L"#32770", caption)) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(Win32MessageBoxes, TimersRunWhileAModalBoxIsOpen) {
  Backend b;
  Win32MessageBoxes boxes;
  int ticks = 0;
  platform::Timer timer(b.loop.timers(), "Frm_exit.Timer4", 20, true);
  timer.onTick = [&] {
    if (++ticks == 3) pressOk(L"Horalix modal");
  };
  EXPECT_EQ(boxes.show("保持程序完整，请重新安装", "Horalix modal", platform::mb::Ok), answer::Ok);
  EXPECT_GE(ticks, 3);
}

TEST(Win32MessageBoxes, TimedBoxesCloseThemselvesAlsoWhenNested) {
  Backend b;
  Win32MessageBoxes boxes;
  int inner = 0;
  bool innerShown = false;
  // While the outer box waits, a timer shows a second timed box; each closes by its own time.
  platform::Timer timer(b.loop.timers(), "time_glass.Timer1", 20, true);
  timer.onTick = [&] {
    timer.setEnabled(false);
    innerShown = true;
    inner = boxes.showTimed("inner", "Horalix inner", platform::mb::Ok, 150);
  };
  const int outer = boxes.showTimed("outer", "Horalix outer", platform::mb::Ok, 600);
  EXPECT_TRUE(innerShown);
  EXPECT_EQ(inner, answer::TimedOut);
  EXPECT_EQ(outer, answer::TimedOut);
}

TEST(Win32MessageBoxes, ATimedBoxAnsweredInTimeGivesTheAnswer) {
  Backend b;
  Win32MessageBoxes boxes;
  platform::Timer timer(b.loop.timers(), "answer", 30, true);
  timer.onTick = [&] { pressOk(L"Horalix answered"); };
  EXPECT_EQ(boxes.showTimed("text", "Horalix answered", platform::mb::Ok, 5000), answer::Ok);
}

}  // namespace
}  // namespace horalix::win32::test
