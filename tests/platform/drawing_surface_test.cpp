// Fonts with fixed metrics, labels that size themselves, picture boxes that record what is drawn
// into them, and window outlines.
#include <string>
#include <vector>

#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

using platform::ControlKind;
using platform::DrawOp;
using platform::FontSpec;
using platform::Form;
using platform::FormChange;
using platform::Property;
using platform::TextExtent;

class DrawingTest : public HeadlessFixture {
 public:
  Form form{forms, "Frm_draw"};
  platform::Control& box = form.addControl("Picture2", -1, ControlKind::PictureBox);
  platform::Control& label = form.addControl("Label11", -1, ControlKind::Label);
};

struct MeasureCase {
  FontSpec font;
  std::string text;
  TextExtent extent;
};

TEST_F(DrawingTest, TextSizesFollowTheDocumentedMetrics) {
  const std::vector<MeasureCase> cases = {
      // 12 pt: em 240 twips; Arial digits 556 per mille, lines 1150 per mille.
      {{"Arial", 12}, "00:05", {667, 276}},
      // 10 pt realises as 9.75 pt: em 195 twips.
      {{"Arial", 10}, "1", {108, 224}},
      // CJK characters take a full em whatever the family.
      {{"Arial", 12}, "超时1", {613, 276}},
      // A face that is not installed falls back to 宋体 (500, 1150).
      {{"No Such Face", 12}, "12", {240, 276}},
      // Arial Black is not installed until its font file is registered.
      {{"Arial Black", 12}, "12", {240, 276}},
      {{"Tahoma", 12}, "", {0, 290}},
      {{"Tahoma", 12}, "ab\r\nc", {262, 581}},
  };
  for (const MeasureCase& c : cases) {
    EXPECT_EQ(headless.fonts().measure(c.font, c.text), c.extent) << c.font.name << " " << c.text;
  }
}

TEST_F(DrawingTest, FontsRealiseAsInstalledFacesAndDrawableSizes) {
  EXPECT_EQ(headless.fonts().realise({"Arial", 10}).size, 9.75);
  EXPECT_EQ(headless.fonts().realise({"Arial", 12}).size, 12);
  EXPECT_EQ(headless.fonts().realise({"Arial Black", 40}).name, "宋体");

  // The font file must be in the program folder to be registered.
  EXPECT_FALSE(platform.fonts.addFontFile(programPath("font\\Arial Black.ttf")));
  installFile("font\\Arial Black.ttf", "font");
  installFile("font\\trebuc.ttf", "font");
  EXPECT_TRUE(platform.fonts.addFontFile(programPath("font\\Arial Black.ttf")));
  EXPECT_TRUE(platform.fonts.addFontFile(programPath("font\\trebuc.ttf")));
  EXPECT_EQ(headless.fonts().fontFileCalls().size(), 3U);

  label.setFont({"Arial Black", 40});
  EXPECT_EQ(label.realisedFont().name, "Arial Black");
  label.setFont({"trebuchet ms", 12});
  EXPECT_EQ(label.realisedFont().name, "trebuchet ms");
  // 40 pt realises as 53 pixels = 39.75 pt: em 795, Arial Black advance 667 per mille.
  EXPECT_EQ(platform.fonts.measure({"Arial Black", 40}, "0").width, 530);
}

TEST_F(DrawingTest, AutoSizeLabelFollowsCaptionAndFont) {
  label.setFont({"Arial", 12});
  label.setCaption("00:05");
  EXPECT_EQ(label.Width(), 0);  // not sized until AutoSize is on
  label.setAutoSize(true);
  EXPECT_EQ(label.Width(), 667);
  EXPECT_EQ(label.Height(), 276);
  label.setCaption("超时00:05");
  EXPECT_EQ(label.Width(), 480 + 667);
  label.setFont({"Arial", 24});
  EXPECT_EQ(label.Width(), 960 + 1334);
  EXPECT_EQ(label.Height(), 552);
  label.setAutoSize(false);
  label.setCaption("1");
  EXPECT_EQ(label.Width(), 960 + 1334);
}

TEST_F(DrawingTest, AutoSizePictureBoxTakesThePictureSize) {
  box.setAutoSize(true, 15);
  box.setPicture("C:\\p.bmp", 200, 100);
  EXPECT_EQ(box.Width(), 3000);
  EXPECT_EQ(box.Height(), 1500);
  box.setPicture("");
  EXPECT_EQ(box.Width(), 0);
  EXPECT_EQ(box.pictureWidthPx(), 0);
}

TEST_F(DrawingTest, SurfaceRecordsClearPictureAndTextInOrder) {
  form.Load();
  box.move(0, 0, 3000, 1500);
  box.setBackColor(0x32FAFA);
  box.setForeColor(0x00FFFF);
  box.setFont({"Arial", 12});
  box.PaintPicture("old.bmp", 0, 0, 10, 10, 10, 10);
  box.CurrentX = 40;
  box.Cls();
  EXPECT_EQ(box.CurrentX, 0);
  box.PaintPicture("C:\\pic.bmp", 0, 0, 3000, 1500, 150, 0, 1500, 750, 3000, 1500);
  box.CurrentX = (box.ScaleWidth() - box.TextWidth("00:05")) / 2.0;
  box.CurrentY = (box.ScaleHeight() - box.TextHeight("00:05")) / 2.0;
  box.Print("00:05");
  EXPECT_EQ(box.CurrentX, 0);
  EXPECT_EQ(box.CurrentY, 612 + 276);

  const std::vector<DrawOp>& d = box.drawing();
  ASSERT_EQ(d.size(), 3U);
  EXPECT_EQ(d[0].kind, DrawOp::Kind::Clear);
  EXPECT_EQ(d[0].color, 0x32FAFAU);
  EXPECT_EQ(d[1].kind, DrawOp::Kind::Picture);
  EXPECT_EQ(d[1].picture, "C:\\pic.bmp");
  EXPECT_EQ(d[1].srcX, 150);
  EXPECT_EQ(d[1].srcWidth, 1500);
  EXPECT_EQ(d[1].naturalWidth, 3000);
  EXPECT_EQ(d[2].kind, DrawOp::Kind::Text);
  EXPECT_EQ(d[2].text, "00:05");
  EXPECT_EQ(d[2].x, 1166.5F);
  EXPECT_EQ(d[2].y, 612);
  EXPECT_EQ(d[2].color, 0x00FFFFU);
  EXPECT_EQ(d[2].font, (FontSpec{"Arial", 12}));
  EXPECT_NE(std::find(forms.changes().begin(), forms.changes().end(),
                      FormChange{"Frm_draw.Picture2", Property::Drawing}),
            forms.changes().end());
}

TEST_F(DrawingTest, PaintingWithoutAPictureFailsAndDrawsNothing) {
  box.Cls();
  EXPECT_THROW(box.PaintPicture("", 0, 0, 100, 100, 100, 100), std::invalid_argument);
  EXPECT_EQ(box.drawing().size(), 1U);
}

TEST_F(DrawingTest, WindowKeepsTheRegionItIsGiven) {
  form.Load();
  EXPECT_FALSE(form.region().has_value());
  form.setRegion(platform::WindowRegion{1, 1, 199, 99, 40, 40});
  EXPECT_EQ(form.region(), (platform::WindowRegion{1, 1, 199, 99, 40, 40}));
  EXPECT_EQ(forms.changes().back(), (FormChange{"Frm_draw", Property::Region}));
}

}  // namespace
}  // namespace horalix::test
