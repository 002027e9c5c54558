#include "services/window_utilities.h"

#include <gtest/gtest.h>

#include <string>

#include "main/frm_exit.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

class WindowUtilitiesTest : public ProgramFixture {
 public:
  WindowUtilitiesTest() { window.Load(); }
  platform::Control& holdoff() { return app.frmExit().control("Label1"); }
  platform::Form& clock() { return window; }
  int raises() const { return forms.raiseCount("probe"); }

  // A loaded window of its own, so that the clock's load does not raise it first.
  platform::Form window{forms, "probe"};
};

TEST_F(WindowUtilitiesTest, HoldOffOfTwoHundredSuspendsFortyCalls) {
  holdoff().setCaption("200");
  for (int call = 1; call <= 40; ++call) SetTopmost(app, clock());
  EXPECT_EQ(holdoff().Caption(), "0");
  EXPECT_EQ(raises(), 0);
  EXPECT_FALSE(clock().topmost());
  SetTopmost(app, clock());
  EXPECT_EQ(raises(), 1);
  EXPECT_TRUE(clock().topmost());
}

TEST_F(WindowUtilitiesTest, HoldOffRunsDownByFiveAcrossCalls) {
  const struct {
    const char* caption;
    const char* after;  // "" when the window is raised and the caption stays
  } cases[] = {{"3", "-2"}, {"1", "-4"}, {"30", "25"}, {"0", ""},
               {"-2", ""},  {"abc", ""}, {"", ""},     {"0.5", ""}};
  for (const auto& c : cases) {
    holdoff().setCaption(c.caption);
    const int raisedBefore = raises();
    SetTopmost(app, clock());
    const bool raised = raises() > raisedBefore;
    EXPECT_EQ(raised, std::string(c.after).empty()) << c.caption;
    EXPECT_EQ(holdoff().Caption(), raised ? std::string(c.caption) : std::string(c.after))
        << c.caption;
  }
  holdoff().setCaption("3");
  SetTopmost(app, clock());
  const int raisedBefore = raises();
  SetTopmost(app, clock());  // at -2 the window is raised again
  EXPECT_EQ(raises(), raisedBefore + 1);
}

TEST_F(WindowUtilitiesTest, OpenWithShellFallsBackToExplorerQuoted) {
  OpenWithShell(app, "https://example.com/help");
  EXPECT_EQ(shell.opened().size(), 1u);
  EXPECT_TRUE(shell.started().empty());

  const std::string target = "D:\\My Talks\\plan.xyz";
  OpenWithShell(app, target);
  ASSERT_EQ(shell.started().size(), 1u);
  EXPECT_EQ(shell.started()[0].commandLine, "explorer \"" + target + "\"");
  EXPECT_EQ(shell.started()[0].window, platform::Shell::Window::Minimized);
}

TEST_F(WindowUtilitiesTest, TransparencyNeedsAnOpacityThatIsAByte) {
  EXPECT_FALSE(clock().layered());
  SetTransparent(app, clock(), 0x00FF00, 200);
  SetTransparent(app, clock(), 0x0000FF, 256);
  SetTransparent(app, clock(), 0x0000FF, -1);
  EXPECT_TRUE(clock().layered());
  EXPECT_EQ(clock().ColorKey(), 0x00FF00);
  EXPECT_EQ(clock().Alpha(), 200);
  SetTransparent(app, clock(), 0x0000FF, 0);
  EXPECT_EQ(clock().ColorKey(), 0x0000FF);
  EXPECT_EQ(clock().Alpha(), 0);
}

}  // namespace
}  // namespace horalix::test
