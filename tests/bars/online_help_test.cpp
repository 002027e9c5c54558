#include <gtest/gtest.h>

#include <string>

#include "bars/online_help_window.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class OnlineHelpTest : public MainWindowTest {
 protected:
  void SetUp() override { start(); }

  // Opens the window from the tray menu; `user` acts while it is open. Returns whether the
  // command came back only after the window had closed.
  template <class User>
  bool openAndThen(User user) {
    bool wasOpen = false;
    loop.onModal = [&](platform::HeadlessEventLoop&, const std::string& what) {
      if (what.find("Frm_Author_wx") == std::string::npos) return;
      wasOpen = window.loaded() && window.Visible();
      user();
    };
    main.menu_other_Click(3);
    loop.onModal = nullptr;
    return wasOpen && !window.loaded();
  }

  OnlineHelpWindow& window = app.onlineHelpWindow();
};

TEST_F(OnlineHelpTest, ThePictureOpensTheHelpPageAndClosesTheWindow) {
  ASSERT_TRUE(openAndThen([&] { forms.click(window.Picture1); }));
  ASSERT_EQ(shell.opened().size(), 1u);
  EXPECT_EQ(shell.opened()[0].target, OnlineHelpWindow::kOnlineHelpAddress);
  EXPECT_TRUE(shell.started().empty()) << "the browser opened it: no Explorer";
}

TEST_F(OnlineHelpTest, TheTextOrTheCloseBoxOnlyCloseTheWindow) {
  ASSERT_TRUE(openAndThen([&] { forms.click(window.Label1); }));
  ASSERT_TRUE(openAndThen([&] { window.Unload(); }));
  EXPECT_TRUE(shell.opened().empty());
  EXPECT_TRUE(shell.started().empty());
}

TEST_F(OnlineHelpTest, WindowIsCentredAndShowsTheBuiltPicture) {
  ASSERT_TRUE(openAndThen([&] {
    EXPECT_EQ(window.Left(), (1920 * 15 - window.Width()) / 2);
    EXPECT_EQ(window.Top(), (1080 * 15 - window.Height()) / 2);
    EXPECT_EQ(window.Picture1.Picture(), programPath("picture\\online-help.bmp"));
    EXPECT_EQ(window.Picture1.Width(), 5160);
    // Both lead somewhere when clicked, and show it with the link's hand.
    EXPECT_EQ(window.Picture1.MousePointer(), platform::MousePointer::Hand);
    EXPECT_EQ(window.Label1.MousePointer(), platform::MousePointer::Hand);
    window.Unload();
  }));
}

}  // namespace
}  // namespace horalix::test
