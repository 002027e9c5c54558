#include "services/window_utilities.h"

#include <gtest/gtest.h>

#include <string>

#include "main/main_window.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

class WindowUtilitiesTest : public ProgramFixture {
 public:
  WindowUtilitiesTest() { window.Load(); }
  int& holdOff() { return app.run.holdOff; }
  int raises() const { return forms.raiseCount("probe"); }

  platform::Form window{forms, "probe"};
};

TEST_F(WindowUtilitiesTest, HoldOffOfTwoHundredSuspendsFortyCalls) {
  holdOff() = 200;
  for (int call = 1; call <= 40; ++call) SetTopmost(app.run, window);
  EXPECT_EQ(holdOff(), 0);
  EXPECT_FALSE(window.topmost());
  SetTopmost(app.run, window);
  EXPECT_TRUE(window.topmost());
  EXPECT_EQ(raises(), 1);
}

TEST_F(WindowUtilitiesTest, HoldOffRunsDownByFiveAcrossCalls) {
  const struct {
    int before;
    bool raised;  // a raised window leaves the hold-off as it was
    int after;
  } cases[] = {{3, false, -2}, {1, false, -4}, {30, false, 25}, {0, true, 0}, {-2, true, -2}};
  for (const auto& c : cases) {
    holdOff() = c.before;
    const int raisedBefore = raises();
    SetTopmost(app.run, window);
    EXPECT_EQ(raises() > raisedBefore, c.raised) << c.before;
    EXPECT_EQ(holdOff(), c.after) << c.before;
  }
  holdOff() = 3;
  SetTopmost(app.run, window);
  const int raisedBefore = raises();
  SetTopmost(app.run, window);  // at -2 the window is raised again
  EXPECT_EQ(raises(), raisedBefore + 1);
}

TEST_F(WindowUtilitiesTest, OpenWithShellFallsBackToExplorerQuoted) {
  OpenWithShell(app.platform, "https://example.com/help");
  EXPECT_EQ(shell.opened().size(), 1u);
  EXPECT_TRUE(shell.started().empty());

  const std::string target = "D:\\My Talks\\plan.xyz";
  OpenWithShell(app.platform, target);
  ASSERT_EQ(shell.started().size(), 1u);
  EXPECT_EQ(shell.started()[0].commandLine, "explorer \"" + target + "\"");
  EXPECT_EQ(shell.started()[0].window, platform::Shell::Window::Minimized);

  shell.queueOpenResult(32);  // the highest failure code
  OpenWithShell(app.platform, "C:\\talk.pptx");
  EXPECT_EQ(shell.started().size(), 2u);
}

// An opacity that is no byte leaves the window as it was; the look ends with the window, and a
// window not loaded takes none.
TEST_F(WindowUtilitiesTest, TransparencyNeedsAnOpacityThatIsAByteAndALoadedWindow) {
  for (int alpha : {-1, 256}) SetTransparent(window, 0x0000FF, alpha);
  EXPECT_FALSE(window.layered());
  SetTransparent(window, 0x00FF00, 200);
  SetTransparent(window, 0x0000FF, 256);
  EXPECT_TRUE(window.layered());
  EXPECT_EQ(window.colorKey(), 0x00FF00);
  EXPECT_EQ(window.alpha(), 200);

  window.setTopmost(true);
  ASSERT_TRUE(window.Unload());
  SetTransparent(window, 0x00FF00, 200);
  window.setTopmost(true);
  window.Load();
  EXPECT_FALSE(window.layered());
  EXPECT_EQ(window.colorKey(), -1);
  EXPECT_FALSE(window.topmost());
}

}  // namespace
}  // namespace horalix::test
