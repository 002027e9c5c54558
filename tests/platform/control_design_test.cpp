// A form built from its design table: every column of a row reaches the control.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

using platform::ControlDesign;
using platform::ControlKind;
namespace design = platform::design;

class ControlDesignTest : public HeadlessFixture {};

constexpr ControlDesign kDesign[] = {
    {.kind = ControlKind::Frame,
     .name = "Frame1",
     .left = 120,
     .top = 240,
     .width = 3000,
     .height = 2000,
     .caption = "声音"},
    {.kind = ControlKind::CheckBox,
     .name = "Check4",
     .index = 2,
     .left = 60,
     .top = 300,
     .width = 900,
     .height = 255,
     .caption = "报警1",
     .fontName = "宋体",
     .fontSize = 10.5,
     .bold = true,
     .foreColor = 0x0000FF,
     .backColor = 0x8000000F,
     .borderStyle = 1,
     .flags = design::kDisabled,
     .tabIndex = 7,
     .container = "Frame1"},
    {.kind = ControlKind::Label, .name = "Label5", .caption = "4", .flags = design::kHidden},
};

TEST_F(ControlDesignTest, EveryColumnReachesTheControl) {
  platform::Form form(forms, "Settings");
  form.addControls(kDesign);
  ASSERT_EQ(form.controls().size(), 3u);

  const platform::Control& box = controlNamed(form, "Check4", 2);
  EXPECT_EQ(box.kind(), ControlKind::CheckBox);
  EXPECT_EQ(box.Left(), 180) << "placed inside its frame";
  EXPECT_EQ(box.Top(), 540);
  EXPECT_EQ(box.Width(), 900);
  EXPECT_EQ(box.Height(), 255);
  EXPECT_EQ(box.Caption(), "报警1");
  EXPECT_EQ(box.Font(), (platform::FontSpec{"宋体", 10.5, true, false}));
  EXPECT_EQ(box.ForeColor(), 0x0000FFu);
  EXPECT_EQ(box.BackColor(), 0x8000000Fu);
  EXPECT_EQ(box.BorderStyle(), 1);
  EXPECT_EQ(box.TabIndex(), 7);
  EXPECT_EQ(box.Container(), "Frame1");
  EXPECT_FALSE(box.Enabled());
  EXPECT_TRUE(box.Visible());

  const platform::Control& cell = controlNamed(form, "Label5");
  EXPECT_FALSE(cell.Visible());
  EXPECT_TRUE(cell.Enabled());
  EXPECT_EQ(cell.Caption(), "4");
  EXPECT_EQ(cell.Font(), platform::FontSpec{}) << "no font named: the default";
  EXPECT_EQ(cell.TabIndex(), -1);
}

TEST_F(ControlDesignTest, AContainerMustComeFirst) {
  constexpr ControlDesign kOrphan[] = {
      {.kind = ControlKind::Label, .name = "Label1", .container = "Frame9"},
  };
  platform::Form form(forms, "Settings");
  EXPECT_THROW(form.addControls(kOrphan), std::out_of_range);
}

// What a user sees of a control depends on every container around it; showing or hiding a
// container tells the backend about each control inside it.
TEST_F(ControlDesignTest, AControlIsOnScreenOnlyWhileItsContainersAre) {
  constexpr ControlDesign kNested[] = {
      {.kind = ControlKind::PictureBox, .name = "Picture7"},
      {.kind = ControlKind::Frame, .name = "Frame1", .container = "Picture7"},
      {.kind = ControlKind::CheckBox, .name = "Check3", .container = "Frame1"},
      {.kind = ControlKind::Label, .name = "Label2"},
  };
  platform::Form form(forms, "Settings");
  form.addControls(kNested);
  platform::Control& box = controlNamed(form, "Check3");
  form.Load();
  forms.clearChanges();
  controlNamed(form, "Picture7").setVisible(false);
  EXPECT_TRUE(box.Visible());
  EXPECT_FALSE(box.visibleOnScreen());
  EXPECT_TRUE(box.isInside(controlNamed(form, "Picture7")));
  EXPECT_FALSE(controlNamed(form, "Label2").isInside(controlNamed(form, "Picture7")));
  EXPECT_NE(std::find(forms.changes().begin(), forms.changes().end(),
                      platform::FormChange{"Settings.Check3", platform::Property::Visible}),
            forms.changes().end());
  controlNamed(form, "Picture7").setVisible(true);
  EXPECT_TRUE(box.visibleOnScreen());
  controlNamed(form, "Frame1").setVisible(false);
  EXPECT_FALSE(box.visibleOnScreen());
}

}  // namespace
}  // namespace horalix::test
