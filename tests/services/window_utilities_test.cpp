#include "services/window_utilities.h"

#include <gtest/gtest.h>

#include <string>

#include "clock/time_glass.h"
#include "main/frm_exit.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

class WindowUtilitiesTest : public ProgramFixture {
 public:
  platform::Control& holdoff() { return app.frmExit().control("Label1"); }
  platform::Form& clock() { return app.timeGlass(); }
};

TEST_F(WindowUtilitiesTest, HoldOffOfTwoHundredSuspendsFortyCalls) {
  holdoff().setCaption("200");
  for (int call = 1; call <= 40; ++call) SetTopmost(app, clock());
  EXPECT_EQ(holdoff().Caption(), "0");
  EXPECT_TRUE(desktop.topmostCalls().empty());
  SetTopmost(app, clock());
  EXPECT_EQ(desktop.topmostCalls(), (std::vector<std::string>{"time_glass"}));
}

TEST_F(WindowUtilitiesTest, HoldOffRunsDownByFiveAcrossCalls) {
  const struct {
    const char* caption;
    const char* after;  // "" when the window is raised and the caption stays
  } cases[] = {{"3", "-2"}, {"1", "-4"}, {"30", "25"}, {"0", ""},
               {"-2", ""},  {"abc", ""}, {"", ""},     {"0.5", ""}};
  for (const auto& c : cases) {
    holdoff().setCaption(c.caption);
    const auto raisedBefore = desktop.topmostCalls().size();
    SetTopmost(app, clock());
    const bool raised = desktop.topmostCalls().size() > raisedBefore;
    EXPECT_EQ(raised, std::string(c.after).empty()) << c.caption;
    EXPECT_EQ(holdoff().Caption(), raised ? std::string(c.caption) : std::string(c.after))
        << c.caption;
  }
  holdoff().setCaption("3");
  SetTopmost(app, clock());
  SetTopmost(app, clock());  // at -2 the window is raised again
  EXPECT_EQ(desktop.topmostCalls().back(), "time_glass");
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
  SetTransparent(app, clock(), 0x00FF00, 255);
  SetTransparent(app, clock(), 0x00FF00, 256);
  SetTransparent(app, clock(), 0x00FF00, -1);
  ASSERT_EQ(desktop.transparencyCalls().size(), 1u);
  EXPECT_EQ(desktop.transparencyCalls()[0].colorKey, 0x00FF00);
  EXPECT_EQ(desktop.transparencyCalls()[0].alpha, 255);
}

}  // namespace
}  // namespace horalix::test
