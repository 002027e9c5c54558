#include "clock/timeout_colours.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "services/ini_read_write.h"
#include "services/program_folder.h"
#include "services/window_shape.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

constexpr std::uint32_t kYellow = 65535, kRed = 255;

class TimeoutColoursTest : public MainWindowTest {
 protected:
  void SetUp() override {
    start();
    app.run.OvertimePrefix = "超时";
    app.run.BlinkCount = 7;
    clock.setBackColor(0x123456);
    mirror.setBackColor(0x123456);
  }
  // A GIF header of the given size in pixels.
  static std::string gif(int width, int height) {
    const std::vector<int> b = {
        'G',        'I',           'F',         '8',  '9', 'a', width & 0xFF,
        width >> 8, height & 0xFF, height >> 8, 0xF7, 0,   0};
    return std::string(b.begin(), b.end());
  }
  // The one tick of a Timer8 that the count-down switched on.
  void tick(FloatingClock& window) {
    window.Timer8.setEnabled(true);
    timeoutColours(app.platform, app.ports, mirror, window);
  }
  void tick(MirrorClock& window) {
    window.Timer8.setEnabled(true);
    timeoutColours(window);
  }
  static std::vector<std::uint32_t> textColours(platform::Form& w) {
    return {controlNamed(w, "Label1", 1).ForeColor(), controlNamed(w, "Label1", 2).ForeColor(),
            controlNamed(w, "Label9").ForeColor(), controlNamed(w, "Label11").ForeColor(),
            controlNamed(w, "Picture2").ForeColor()};
  }
};

TEST_F(TimeoutColoursTest, OpaqueBackgroundTakesTheOvertimeColoursOnBothClocks) {
  struct Case {
    bool secondScreen;
    std::string fore, back;  // [Hotkey] values; "" leaves the key out
    std::uint32_t text, background;
  };
  const std::vector<Case> cases = {
      {true, "", "", kYellow, kRed},
      {false, "", "", kYellow, kRed},
      {true, "16711680", "abc", 0xFF0000, 0},
  };
  for (const Case& c : cases) {
    setSecondScreen(c.secondScreen);
    files.remove(iniPath(app.platform));
    if (!c.fore.empty())
      IniReadWrite(files, "write", iniPath(app.platform), "Hotkey", "outForeColor", c.fore);
    if (!c.back.empty())
      IniReadWrite(files, "write", iniPath(app.platform), "Hotkey", "outbackColor", c.back);
    mirror.setBackColor(0x123456);
    mirror.Picture2.setForeColor(0);
    tick(clock);

    EXPECT_FALSE(clock.Timer8.Enabled());
    EXPECT_EQ(textColours(clock), std::vector<std::uint32_t>(5, c.text));
    EXPECT_EQ(clock.BackColor(), c.background);
    EXPECT_EQ(clock.Picture2.BackColor(), c.background);
    EXPECT_EQ(mirror.Picture2.ForeColor(), c.secondScreen ? c.text : 0u);
    EXPECT_EQ(mirror.BackColor(), c.secondScreen ? c.background : 0x123456u);
    EXPECT_EQ(app.run.OvertimePrefix, "");
    EXPECT_EQ(app.run.BlinkCount, 0);
    EXPECT_FALSE(app.run.BackPictureOn);
  }
}

TEST_F(TimeoutColoursTest, ABackPictureStaysBehindTheTextCappedToItsLargestSize) {
  installFile("picture\\stage.gif", gif(800, 600));
  app.settings.picturename = "stage.gif\\3";
  tick(mirror);

  EXPECT_FALSE(mirror.Timer8.Enabled());
  EXPECT_EQ(textColours(mirror), std::vector<std::uint32_t>(5, kYellow));
  EXPECT_EQ(mirror.BackColor(), 0x123456u);
  EXPECT_TRUE(app.run.BackPictureOn);
  EXPECT_EQ(controlNamed(mirror, "Picture3").Picture(), programPath("picture\\stage.gif"));
  EXPECT_EQ(app.settings.picture_width, 600);
  EXPECT_EQ(app.settings.picture_height, 450);
  // The mirror's tick leaves the floating clock alone.
  EXPECT_EQ(clock.BackColor(), 0x123456u);
}

TEST_F(TimeoutColoursTest, TransparentBackgroundKeysTheNewTextColour) {
  setOption(app.settings.checkvalue, CheckFlag::TransparentBack, true);
  app.run.BackPictureOn = true;
  tick(clock);

  EXPECT_EQ(textColours(clock), std::vector<std::uint32_t>(5, kYellow));
  EXPECT_EQ(clock.BackColor(), 0x32FAFAu);  // red 250, green 250, blue 50
  EXPECT_FALSE(app.run.BackPictureOn);
  EXPECT_TRUE(clock.layered());
  EXPECT_EQ(clock.colorKey(), 0x32FAFA);
}

}  // namespace
}  // namespace horalix::test
