// Starting programs and documents, and hot keys arriving as the program's hot-key events.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "backend_fixture.h"
#include "platform/forms.h"
#include "platform/win32/win32_hot_keys.h"
#include "platform/win32/win32_shell.h"

namespace horalix::win32::test {
namespace {

TEST(Win32Shell, StartsReportWhetherTheyHappened) {
  Win32Shell shell;
  Backend b;
  EXPECT_TRUE(shell.startProgram("cmd.exe /c exit 0", platform::Shell::Window::Hidden));
  EXPECT_FALSE(shell.startProgram("C:\\no\\such\\program.exe", platform::Shell::Window::Hidden));
  // The shell's code: 32 or less is a failure.
  EXPECT_LE(shell.open(b.folder.file("missing.pdf"), "", ""), 32);
}

TEST(Win32Shell, RunAndWaitHandsBackTheExitCode) {
  Backend b;
  Win32Shell shell(
      nullptr, [&](const std::function<bool()>& stillWaiting) { b.loop.runModal(stillWaiting); });
  EXPECT_EQ(shell.runAndWait("cmd.exe /c exit 5", platform::Shell::Window::Hidden, 30000),
            std::optional<std::uint32_t>(5u));
  EXPECT_EQ(shell.runAndWait("cmd.exe /c exit 0", platform::Shell::Window::Minimized, 30000),
            std::optional<std::uint32_t>(0u));
  EXPECT_EQ(shell.runAndWait("C:\\no\\such\\program.exe", platform::Shell::Window::Hidden, 1000),
            std::nullopt);
  // Without the program's loop the thread itself waits.
  Win32Shell blocking;
  EXPECT_EQ(blocking.runAndWait("cmd.exe /c exit 3", platform::Shell::Window::Hidden, 30000),
            std::optional<std::uint32_t>(3u));
}

TEST(Win32HotKeys, AHotKeyComesBackByItsIdAndAFreedOneNoLonger) {
  Backend b;
  Win32HotKeys keys(b.guard);
  platform::Form owner(b.forms, "Frm_exit");
  std::vector<int> pressed;
  keys.onHotKey = [&](int id) { pressed.push_back(id); };
  // Ctrl+Alt+F9 and Shift+F10: combinations no other program here holds.
  ASSERT_TRUE(keys.registerKey(owner, 1, 2 | 1, VK_F9));
  ASSERT_TRUE(keys.registerKey(owner, 2, 4, VK_F10));
  // The same combination cannot be held twice.
  EXPECT_FALSE(keys.registerKey(owner, 3, 2 | 1, VK_F9));
  HWND window = FindWindowW(L"HoralixMessageWindow", L"Horalix hot keys");
  ASSERT_NE(window, nullptr);
  PostMessageW(window, WM_HOTKEY, 2, MAKELPARAM(MOD_SHIFT, VK_F10));
  b.loop.doEvents();
  EXPECT_EQ(pressed, std::vector<int>{2});
  keys.unregisterKey(owner, 1);
  // Freed, the combination can be taken again.
  EXPECT_TRUE(keys.registerKey(owner, 3, 2 | 1, VK_F9));
}

}  // namespace
}  // namespace horalix::win32::test
