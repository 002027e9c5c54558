// The clock face of both clock windows: its size around the text and the back picture, the
// section of the picture behind the text, the centred text, the blank half of a blink, and a
// picture that cannot be drawn.
#include "clock/clock_face.h"

#include <algorithm>
#include <string>
#include <vector>

#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "main/main_window.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

using platform::DrawOp;

class ClockFaceTest : public ProgramFixture {
 public:
  ClockFaceTest() {
    for (platform::Form* w : {&mainWindow, &mirrorWindow}) w->Load();
    for (ClockFace* f : {&face, &mirror}) {
      f->controls().Picture2.setFont({"Arial", 12});
      f->controls().Label11.setFont({"Arial", 12});
    }
  }

  // Puts a back picture of w x h pixels into Picture3 of a face, as the run start loads it.
  void loadBackPicture(ClockFace& f, const std::string& file, int w, int h) {
    f.controls().Picture3.setPicture(file, w, h);
    app.run.BackPictureOn = true;
  }
  void show(ClockFace& f, const std::string& text, int size = 12) {
    platform::FontSpec font = f.controls().Label11.Font();
    font.size = size;
    f.controls().Label11.setFont(font);
    f.controls().Label11.setCaption(text);
    f.ShowStatue(text, size);
  }
  std::vector<DrawOp> drawn(ClockFace& f, DrawOp::Kind kind) {
    std::vector<DrawOp> ops;
    for (const DrawOp& op : f.controls().Picture2.drawing()) {
      if (op.kind == kind) ops.push_back(op);
    }
    return ops;
  }

  platform::Form& mainWindow = app.floatingClock();
  platform::Form& mirrorWindow = app.mirrorClock();
  ClockFace face{app.clockNeeds, mainWindow, app.floatingClock().faceControls(), 2000};
  ClockFace mirror{app.clockNeeds, mirrorWindow, app.mirrorClock().faceControls(), 3000, &face};
};

TEST_F(ClockFaceTest, WithoutAPictureTheFaceIsTheTextPlusItsMargins) {
  show(face, "00:05");  // Arial 12: 667 x 276 twips
  EXPECT_EQ(face.controls().Label11.Width(), 667);
  EXPECT_EQ(mainWindow.Width(), 767);
  EXPECT_EQ(mainWindow.Height(), 296);
  EXPECT_EQ(face.controls().Picture1.Width(), 767);
  EXPECT_EQ(face.controls().Picture2.Height(), 296);
  EXPECT_FALSE(app.run.BackPictureOn);
  // Centred: (767 - 667) / 2, (296 - 276) / 2.
  const auto texts = drawn(face, DrawOp::Kind::Text);
  ASSERT_EQ(texts.size(), 1U);
  EXPECT_EQ(texts[0].x, 50);
  EXPECT_EQ(texts[0].y, 10);
  EXPECT_EQ(texts[0].text, "00:05");
  EXPECT_EQ(texts[0].font.size, 12);
}

TEST_F(ClockFaceTest, TheFaceTakesTheLargerOfTextAndPicture) {
  struct Case {
    const char* text;
    int size;
    int width, height;
  };
  // A 200 x 100 pixel picture is 3000 x 1500 twips. Arial 72: 800.64 twips a character and
  // 1656 twips a line, so "00:05:00" is 6405 twips wide.
  const std::vector<Case> cases = {
      {"00:05", 12, 3000, 1500},
      {"00:05:00", 72, 6405 + 120, 1656 + 20},
  };
  app.settings.picture_width = 200;
  app.settings.picture_height = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    loadBackPicture(face, "C:\\pic\\sky.bmp", 200, 100);
    show(face, c.text, c.size);
    EXPECT_EQ(mainWindow.Width(), c.width);
    EXPECT_EQ(mainWindow.Height(), c.height);
    EXPECT_EQ(face.controls().Picture2.Left(), 0);
    // The picture fills the outer box, stretched to the face's size.
    const auto& outer = face.controls().Picture1.drawing();
    ASSERT_FALSE(outer.empty());
    EXPECT_EQ(outer.back().picture, "C:\\pic\\sky.bmp");
    EXPECT_EQ(outer.back().width, c.width);
    EXPECT_EQ(outer.back().height, c.height);
    const auto texts = drawn(face, DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1U);
    const int textWidth = face.controls().Picture2.TextWidth(c.text);
    EXPECT_EQ(texts[0].x, (c.width - textWidth) / 2.0F);
  }
}

TEST_F(ClockFaceTest, TheSectionBehindTheTextFollowsThePicturesNaturalSize) {
  struct Case {
    int naturalW, naturalH;  // pixels
    float dw, dh, sw, sh;
  };
  // The face is 3000 x 1500 twips (the settings' 200 x 100 pixels); the natural size decides.
  const std::vector<Case> cases = {
      {400, 200, 3000, 1500, 6000, 3000},  // larger both ways
      {300, 50, 3000, 3000, 3000, 1500},   // wider, lower
      {100, 200, 6000, 1500, 3000, 1500},  // narrower, higher
      {100, 50, 6000, 3000, 3000, 1500},   // smaller both ways
  };
  app.settings.picture_width = 200;
  app.settings.picture_height = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.naturalW) + " x " + std::to_string(c.naturalH));
    loadBackPicture(face, "C:\\pic\\sky.bmp", c.naturalW, c.naturalH);
    show(face, "00:05");
    const auto pictures = drawn(face, DrawOp::Kind::Picture);
    ASSERT_EQ(pictures.size(), 1U);
    const DrawOp& p = pictures[0];
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    EXPECT_EQ(p.width, c.dw);
    EXPECT_EQ(p.height, c.dh);
    EXPECT_EQ(p.srcX, 0);
    EXPECT_EQ(p.srcY, 0);
    EXPECT_EQ(p.srcWidth, c.sw);
    EXPECT_EQ(p.srcHeight, c.sh);
    EXPECT_EQ(p.naturalWidth, c.naturalW * 15);
    // Cleared first, then the section, then the text.
    EXPECT_EQ(face.controls().Picture2.drawing().front().kind, DrawOp::Kind::Clear);
    EXPECT_EQ(face.controls().Picture2.drawing().back().kind, DrawOp::Kind::Text);
  }
}

TEST_F(ClockFaceTest, TheOddHalfOfABlinkIsBlankFromEachWindowsThreshold) {
  struct Case {
    int blinkCount;
    std::int32_t shownMillis;
    bool mainPrints, mirrorPrints;
  };
  const std::vector<Case> cases = {
      {1, 1999, true, true},   {1, 2000, false, true},   {1, 2999, false, true},
      {1, 3000, false, false}, {3, 99999, false, false}, {2, 99999, true, true},
      {0, 3000, true, true},   {1, 0, true, true},       {-1, 5000, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.blinkCount) + " at " + std::to_string(c.shownMillis));
    app.run.BlinkCount = c.blinkCount;
    app.run.shownMillis = c.shownMillis;
    show(face, "00:02");
    show(mirror, "00:02");
    EXPECT_EQ(drawn(face, DrawOp::Kind::Text).size(), c.mainPrints ? 1U : 0U);
    EXPECT_EQ(drawn(mirror, DrawOp::Kind::Text).size(), c.mirrorPrints ? 1U : 0U);
    // A blank face keeps its size and its background.
    EXPECT_EQ(mainWindow.Width(), 667 + 100);
    EXPECT_EQ(drawn(face, DrawOp::Kind::Clear).size(), 1U);
  }
}

TEST_F(ClockFaceTest, TheMirrorShowsTheFloatingClocksPicture) {
  app.settings.picture_width = 200;
  app.settings.picture_height = 100;
  loadBackPicture(face, "C:\\pic\\main.bmp", 200, 100);
  show(face, "00:05");
  mirror.controls().Picture3.setPicture("C:\\pic\\own.bmp", 200, 100);
  show(mirror, "00:05");
  EXPECT_EQ(mirror.controls().Picture1.Picture(), "C:\\pic\\main.bmp");
  EXPECT_EQ(mirror.controls().Picture1.drawing().back().picture, "C:\\pic\\main.bmp");
  EXPECT_EQ(drawn(mirror, DrawOp::Kind::Picture).at(0).picture, "C:\\pic\\main.bmp");
  EXPECT_EQ(mirrorWindow.Width(), 3000);
}

TEST_F(ClockFaceTest, AnEmptyPicture3EndsTheBackPicture) {
  app.run.BackPictureOn = true;
  show(face, "00:05");
  EXPECT_FALSE(app.run.BackPictureOn);
  EXPECT_EQ(mainWindow.Width(), 767);
  EXPECT_TRUE(drawn(face, DrawOp::Kind::Picture).empty());
}

// A picture whose size cannot be read (0 x 0) cannot be drawn: the face shows the text plainly
// for this call, the clock stays where it is and keeps counting, and the next call tries the
// picture again.
TEST_F(ClockFaceTest, APictureThatCannotBeDrawnFallsBackToThePlainFaceAndKeepsCounting) {
  app.settings.picture_width = 200;
  app.settings.picture_height = 100;
  auto& clock = app.floatingClock();
  clock.move(1200, 900, clock.Width(), clock.Height());
  clock.Timer1.setEnabled(true);
  clock.Timer3.setEnabled(true);
  loadBackPicture(face, "C:\\pic\\broken.bmp", 0, 0);
  show(face, "00:05");

  EXPECT_EQ(clock.Width(), 767);
  EXPECT_EQ(clock.Height(), 296);
  EXPECT_EQ(clock.Left(), 1200);
  EXPECT_EQ(clock.Top(), 900);
  EXPECT_TRUE(clock.Timer1.Enabled());
  EXPECT_TRUE(clock.Timer3.Enabled());
  EXPECT_TRUE(app.run.BackPictureOn);
  EXPECT_TRUE(drawn(face, DrawOp::Kind::Picture).empty());
  EXPECT_EQ(drawn(face, DrawOp::Kind::Text).size(), 1U);
  ASSERT_EQ(headless.logged().size(), 1U);
  EXPECT_NE(headless.logged()[0].find("time_glass.ShowStatue"), std::string::npos);

  // The picture is readable again: the next call draws it.
  loadBackPicture(face, "C:\\pic\\sky.bmp", 200, 100);
  show(face, "00:04");
  EXPECT_EQ(clock.Width(), 3000);
  EXPECT_EQ(drawn(face, DrawOp::Kind::Picture).size(), 1U);
}

// The windows draw through their own face, with the controls they declare, each once.
TEST_F(ClockFaceTest, EachClockWindowHasOneSetOfFaceControls) {
  for (platform::Form* w : {&mainWindow, &mirrorWindow}) {
    for (const char* name : {"Picture1", "Picture2", "Picture3", "Label9", "Label11"}) {
      const auto n = std::count_if(w->controls().begin(), w->controls().end(),
                                   [&](const auto& c) { return c->name() == name; });
      EXPECT_EQ(n, 1) << w->name() << "." << name;
    }
  }
  app.settings.picture_width = 200;
  app.settings.picture_height = 100;
  loadBackPicture(face, "C:\\pic\\main.bmp", 200, 100);
  show(face, "00:05");
  mirror.controls().Picture3.setPicture("C:\\pic\\own.bmp", 200, 100);
  app.mirrorClock().ShowStatue("00:05", 12);
  EXPECT_EQ(mirrorWindow.Width(), 3000);
  EXPECT_EQ(mirror.controls().Picture1.Picture(), "C:\\pic\\main.bmp");
}

}  // namespace
}  // namespace horalix::test
