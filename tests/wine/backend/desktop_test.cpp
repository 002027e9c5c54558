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
