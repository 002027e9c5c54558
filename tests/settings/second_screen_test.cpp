// The second screen's switch and the scroll bars that move its clock or its prompt bar.
#include "bars/bars.h"
#include "clock/clock.h"
#include "main/main.h"
#include "platform/ini_file.h"
#include "settings/settings_fixture.h"

namespace horalix::test {
namespace {

constexpr int W = 1920 * 15, H = 1040 * 15;

class SecondScreen : public SettingsFixture {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    app.run.ScreenWidthPx = 1920;
    app.run.ScreenHeightPx = 1040;
  }
  MirrorClock& mirror = app.mirrorClock();
  PromptBar& bar = app.secondPromptBar();
};

TEST_F(SecondScreen, TheSwitchStoresItselfAndPlacesOrParksTheMirror) {
  storeNumber("clocklefttwo", 0);
  storeNumber("clocktoptwo", H * 5 / 2);
  forms.click(c("Check1", 6));
  EXPECT_EQ(storedNumber("second_screen"), 1);
  // Left of the second screen: onto its edge, the scroll bar at its minimum; 2.5 heights down
  // comes back to half a height.
  EXPECT_EQ(mirror.Left(), W);
  EXPECT_EQ(mirror.Top(), H / 2);
  EXPECT_EQ(c("HScroll1").Value(), W / 20);
  EXPECT_EQ(c("VScroll1").Value(), H / 2 / 40);
  EXPECT_TRUE(c("VScroll1").Visible());
  EXPECT_EQ(iniValue("clocksite", "clocktoptwo"), std::to_string(H / 2));

  forms.click(c("Check1", 6));
  EXPECT_EQ(storedNumber("second_screen"), 0);
  EXPECT_EQ(mirror.Left(), -W - 5000);
  EXPECT_EQ(mirror.Top(), -H - 15000);
  EXPECT_EQ(bar.Left(), W + (W - bar.Width()) / 2);
  EXPECT_EQ(bar.Top(), -bar.Height() - 5000);
  EXPECT_FALSE(c("HScroll1").Visible());

  // Without the scripting shell the registry functions read and write. A top above the scroll
  // range is not taken by the scroll bar, but the mirror stands there.
  scriptingShell.setAvailable(false);
  storeNumber("clocktoptwo", -2000);
  forms.click(c("Check1", 6));
  EXPECT_EQ(storedNumber("second_screen"), 1);
  EXPECT_EQ(mirror.Top(), -2000);
  EXPECT_EQ(c("VScroll1").Value(), H / 2 / 40);
  EXPECT_EQ(c("VScroll1").Min(), -20);
  EXPECT_EQ(c("HScroll1").Max(), W / 20 * 2 + 500);
}

TEST_F(SecondScreen, TheScrollBarsMoveTheMirrorOrInPromptModeTheBar) {
  storeNumber("clocklefttwo", 30000);
  storeNumber("clocktoptwo", 1000);
  forms.click(c("Check1", 6));
  ASSERT_EQ(mirror.Left(), 30000);
  mirror.setLeft(0);  // dragged back onto the primary screen
  forms.scroll(c("HScroll1"), 1600);
  EXPECT_EQ(mirror.Left(), W);  // first a snap to the second screen's edge
  forms.scroll(c("HScroll1"), 1610);
  forms.scroll(c("VScroll1"), 100);
  EXPECT_EQ(mirror.Left(), 32200);
  EXPECT_EQ(mirror.Top(), 4000);
  EXPECT_EQ(storedNumber("clocklefttwo"), 32200);
  EXPECT_EQ(iniValue("clocksite", "clocktoptwo"), "4000");

  // The bar's place is stored nowhere in TimeData.db: the registry's, with a top of 0 at 100.
  storeNumber("processtwo_left", 31000);
  storeNumber("processtwo_top", 0);
  forms.click(c("Check8", 0));
  EXPECT_EQ(bar.Left(), 31000);
  EXPECT_EQ(bar.Top(), 100);
  EXPECT_EQ(c("HScroll1").Min(), 0);
  forms.scroll(c("HScroll1"), 1700);
  EXPECT_EQ(bar.Left(), 34000);
  EXPECT_EQ(iniValue("clocksite", "processtwo_left"), "34000");
  EXPECT_EQ(mirror.Left(), 32200);

  // Back to the clock: its negative stored top becomes 0.
  storeNumber("clocktoptwo", -400);
  forms.click(c("Check8", 0));
  EXPECT_EQ(mirror.Top(), 0);
  EXPECT_EQ(mirror.Left(), 32200);
}

// Opening the window reads the stored place of the mirror clock and stores none, whether the clock
// stands at the second screen's edge or further in. A top above the scroll range (the mirror
// dragged up there) must survive the opening, or the mirror starts at the top next time.
TEST_F(SecondScreen, OpeningAndClosingTheWindowKeepsTheStoredPlace) {
  installFile("TimeData.db");
  storeNumber("second_screen", 1);
  platform::IniFile ini(files);
  for (const int left : {W, W + 2000}) {
    SCOPED_TRACE(left);
    for (const auto& [key, value] : {std::pair{"clocklefttwo", left}, {"clocktoptwo", -1000}}) {
      storeNumber(key, value);
      ini.writeString(iniPath(app.platform), "clocksite", key, std::to_string(value));
    }
    app.mainWindow().settingsCommand();
    ASSERT_EQ(c("Check1", 6).Value(), 1);
    EXPECT_EQ(mirror.Top(), -1000);
    forms.click(c("Command2"));
    ASSERT_FALSE(window.loaded());
    EXPECT_EQ(storedNumber("clocklefttwo"), left);
    EXPECT_EQ(storedNumber("clocktoptwo"), -1000);
    EXPECT_EQ(iniValue("clocksite", "clocklefttwo"), std::to_string(left));
    EXPECT_EQ(iniValue("clocksite", "clocktoptwo"), "-1000");
  }
}

}  // namespace
}  // namespace horalix::test
