// A form put back as designed: what its controls were changed to since is gone, no handler runs,
// and the mirror of a loaded window hears of it.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::Property;
namespace design = platform::design;

class DesignReset : public HeadlessFixture {};

constexpr ControlDesign kDesign[] = {
    {.kind = ControlKind::PictureBox,
     .name = "Picture7",
     .left = 300,
     .top = 500,
     .width = 4000,
     .height = 3000},
    {.kind = ControlKind::CheckBox,
     .name = "Check3",
     .index = 2,
     .left = 60,
     .top = 100,
     .width = 900,
     .height = 255,
     .caption = "闪烁",
     .fontName = "宋体",
     .fontSize = 10.5,
     .foreColor = 0x0000FF,
     .container = "Picture7",
     .value = 1},
    {.kind = ControlKind::OptionButton, .name = "Option4", .index = 0, .container = "Picture7"},
    {.kind = ControlKind::OptionButton, .name = "Option4", .index = 1, .container = "Picture7"},
    {.kind = ControlKind::TextBox,
     .name = "Text2",
     .index = 7,
     .caption = "0",
     .flags = design::kLocked},
    {.kind = ControlKind::ComboBox, .name = "Combo7", .flags = design::kDropdownList},
    {.kind = ControlKind::HScrollBar,
     .name = "HScroll1",
     .flags = design::kHidden,
     .min = 0,
     .max = 100,
     .value = 70},
    {.kind = ControlKind::Label,
     .name = "Label8",
     .caption = "超时显示",
     .flags = design::kDisabled},
};

TEST_F(DesignReset, EveryControlOfTheTableIsAsDesignedAgainWithoutRunningItsHandlers) {
  platform::Form form(forms, "Settings");
  form.addControls(kDesign);
  int handlers = 0;
  for (const auto& control : form.controls()) {
    control->Click = [&] { ++handlers; };
    control->Change = [&] { ++handlers; };
  }
  form.Load();

  platform::Control& picture = form.control("Picture7");
  platform::Control& box = form.control("Check3", 2);
  platform::Control& text = form.control("Text2", 7);
  platform::Control& list = form.control("Combo7");
  platform::Control& scroll = form.control("HScroll1");
  platform::Control& label = form.control("Label8");
  picture.move(900, 900, 4000, 3000);
  box.move(0, 0, 10, 10);
  box.setCaption("x");
  box.setFont({"Arial", 20, true, true});
  box.setForeColor(0xFFFFFF);
  box.setValue(0);
  form.control("Option4", 1).setValue(1);
  text.setText("12");
  text.setLocked(false);
  list.addItem("无变化");
  list.addItem("变色");
  list.setListIndex(1);
  scroll.setRange(0, 50);
  scroll.setValue(20);
  scroll.setVisible(true);
  label.setEnabled(true);
  picture.setVisible(false);
  handlers = 0;
  forms.clearChanges();

  form.resetControls(kDesign);

  EXPECT_EQ(handlers, 0);
  EXPECT_EQ(picture.Left(), 300);
  EXPECT_TRUE(picture.Visible());
  EXPECT_EQ(box.Left(), 360) << "placed inside its container, where the container was designed";
  EXPECT_EQ(box.Top(), 600);
  EXPECT_EQ(box.Width(), 900);
  EXPECT_EQ(box.Caption(), "闪烁");
  EXPECT_EQ(box.Font(), (platform::FontSpec{"宋体", 10.5, false, false}));
  EXPECT_EQ(box.ForeColor(), 0x0000FFu);
  EXPECT_EQ(box.Value(), 1);
  EXPECT_EQ(form.control("Option4", 1).Value(), 0);
  EXPECT_EQ(text.Text(), "0");
  EXPECT_TRUE(text.Locked());
  EXPECT_TRUE(list.List().empty());
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.Text(), "");
  EXPECT_EQ(scroll.Max(), 100);
  EXPECT_EQ(scroll.Value(), 70);
  EXPECT_FALSE(scroll.Visible());
  EXPECT_FALSE(label.Enabled());

  // The window is loaded: its mirror takes every control anew, those inside a container too.
  const auto told = [&](const std::string& who, Property what) {
    return std::find(forms.changes().begin(), forms.changes().end(),
                     platform::FormChange{"Settings." + who, what}) != forms.changes().end();
  };
  EXPECT_TRUE(told("Check3(2)", Property::Value));
  EXPECT_TRUE(told("Check3(2)", Property::Visible));
  EXPECT_TRUE(told("Combo7", Property::List));
  EXPECT_TRUE(told("HScroll1", Property::Range));
}

}  // namespace
}  // namespace horalix::test
