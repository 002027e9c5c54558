// The two clock windows as the program builds them: from which count each leaves the odd half of
// a blink blank, and the size a large back picture counts as when a run starts.
#include <gtest/gtest.h>

#include <string>

#include "services/option_names.h"
#include "support/main_window_fixture.h"
#include "support/picture_files.h"

namespace horalix::test {
namespace {

class ClockWindowRulesTest : public MainWindowTest {
 protected:
  void SetUp() override { start(); }

  // Whether the window printed its text the last time it drew its face.
  static bool printed(platform::Control& picture2) {
    int texts = 0;
    for (const platform::DrawOp& op : picture2.drawing())
      texts += op.kind == platform::DrawOp::Kind::Text;
    return texts > 0;
  }
};

TEST_F(ClockWindowRulesTest, TheFloatingClockBlanksFrom2000MsTheMirrorFrom3000) {
  struct Case {
    int blinkCount;
    std::int32_t shownMillis;
    bool clockPrints, mirrorPrints;
  };
  for (const Case& c :
       {Case{1, 1999, true, true}, Case{1, 2000, false, true}, Case{1, 2999, false, true},
        Case{1, 3000, false, false}, Case{2, 5000, true, true}}) {
    SCOPED_TRACE(std::to_string(c.blinkCount) + " at " + std::to_string(c.shownMillis));
    app.run.BlinkCount = static_cast<std::int16_t>(c.blinkCount);
    app.run.shownMillis = c.shownMillis;
    clock.ShowStatue("00:02", 30);
    mirror.ShowStatue("00:02", 30);
    EXPECT_EQ(printed(clock.Picture2), c.clockPrints);
    EXPECT_EQ(printed(controlNamed(mirror, "Picture2")), c.mirrorPrints);
  }
}

TEST_F(ClockWindowRulesTest, ABackPictureCountsAsAtMost600By450) {
  installFile("picture\\stage.png", pngOf(800, 600));
  setOption(app.settings.checkvalue, CheckFlag::TransparentBack, false);
  app.settings.picturename = "stage.png\\0";
  clock.Timer5.setEnabled(true);
  loop.advance(20);
  EXPECT_TRUE(app.run.BackPictureOn);
  EXPECT_EQ(app.settings.picture_width, 600);
  EXPECT_EQ(app.settings.picture_height, 450);
  EXPECT_EQ(clock.Height(), 450 * 15) << "the face as high as the capped picture";
}

}  // namespace
}  // namespace horalix::test
