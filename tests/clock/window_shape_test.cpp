// The clock windows' rounded outline by the corner list of the settings, and the colour key
// picked from the text colour.
#include "services/window_shape.h"

#include <optional>
#include <string>
#include <vector>

#include "clock/clock_face.h"
#include "clock/floating_clock.h"
#include "services/runtime_error.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

class WindowShapeTest : public ProgramFixture {
 public:
  WindowShapeTest() { clock.Load(); }
  FloatingClock& clock = app.floatingClock();
};

TEST_F(WindowShapeTest, TheCornerRadiusIsTheNumberTheCornerListShows) {
  struct Case {
    const char* corner;  // characters 6-7 of Fontselect
    int radius;
  };
  const std::vector<Case> cases = {
      {"00", 0},   {"01", 5},   {"05", 25},  {"06", 30}, {"07", 40}, {"08", 60},  {"09", 80},
      {"13", 160}, {"19", 280}, {"20", 300}, {"ab", 0},  {"", 0},    {"6\\", 30}, {"99", 1880},
  };
  clock.move(0, 0, 3000, 1500);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.corner);
    app.settings.Fontselect = std::string("11004") + c.corner + "\\255";
    creatrange(app.platform, app.settings, clock);
    EXPECT_EQ(clock.region(), (platform::WindowRegion{1, 1, 199, 99, c.radius, c.radius}));
  }
}

TEST_F(WindowShapeTest, TheRegionCoversTheWindowInWholePixels) {
  struct Case {
    int width, height, twipsPerPixel;
    platform::WindowRegion region;
  };
  const std::vector<Case> cases = {
      {767, 296, 15, {1, 1, 50, 19, 40, 40}},      // 51.13 x 19.73 pixels
      {3000, 1500, 12, {1, 1, 249, 124, 40, 40}},  // 120 DPI
      {0, 0, 15, {1, 1, -1, -1, 40, 40}},
  };
  app.settings.Fontselect = "1100407\\255";
  for (const Case& c : cases) {
    desktop.setTwipsPerPixel(c.twipsPerPixel, c.twipsPerPixel);
    clock.move(0, 0, c.width, c.height);
    creatrange(app.platform, app.settings, clock);
    EXPECT_EQ(clock.region(), c.region) << c.width << " x " << c.height;
  }
}

TEST_F(WindowShapeTest, EveryPaletteColourHasItsKeyRow) {
  struct Row {
    std::uint32_t text, key;
  };
  const std::vector<Row> rows = {
      {0x000000, 0x400000},
      {0x000080, 0x00008A},
      {0x0000FF, 0x3200FA},
      {0x008000, 0x004000},
      {0x008080, 0x00808A},
      {0x00FF00, 0x00FF0A},
      {0x00FFFF, 0x32FAFA},
      {0x800000, 0xC00000},
      {0x800080, 0x80008A},
      {0x808000, 0x80800A},
      {0x808080, 0x80808A},
      {0xC0C0C0, 0xC0C0CA},
      {0xFF0000, 0xFF000A},
      {0xFF00FF, 0x7171FA},
      {0xFFC0C0, 0xFFC0CA},
      {0xFFFF00, 0xFFFF0A},
      {0xFFFFFF, 0xFAFAFA},
      // Colours outside the palette: their own number + 10, a red of 246 or more carrying
      // into green; a system colour keeps its high bit.
      {0x123456, 0x123460},
      {0x0000F6, 0x000100},
      {0x8000000F, 0x80000019},
  };
  for (const Row& r : rows) EXPECT_EQ(KeyColour(r.text), r.key) << std::hex << r.text;
  EXPECT_THROW(KeyColour(0x7FFFFFF6), RuntimeError);
  EXPECT_EQ(KeyColour(0x7FFFFFF5), 0x7FFFFFFFU);
}

TEST_F(WindowShapeTest, ChangcolorPaintsWindowAndSurfaceInTheKeyAndKeysItOut) {
  ClockFace face(app.clockNeeds, clock, clock.faceControls(), 2000);
  face.changcolor(0x00FFFF);
  EXPECT_EQ(face.controls().Picture2.BackColor(), 0x32FAFAU);
  EXPECT_EQ(clock.BackColor(), 0x32FAFAU);
  EXPECT_TRUE(clock.layered());
  EXPECT_EQ(clock.colorKey(), 0x32FAFA);
  EXPECT_EQ(clock.alpha(), 255) << "the colour key alone";

  // An overflowing colour reaches the caller and changes nothing.
  EXPECT_THROW(face.changcolor(0x7FFFFFFF), RuntimeError);
  EXPECT_EQ(clock.BackColor(), 0x32FAFAU);
  EXPECT_EQ(clock.colorKey(), 0x32FAFA);
}

}  // namespace
}  // namespace horalix::test
