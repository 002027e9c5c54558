// A window loaded again after it was closed starts from its design, as a window created anew:
// what its controls and the window itself were changed to is gone before its load handler runs,
// and no handler runs for it. The first load keeps what the window was built with.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

using platform::ControlDesign;
using platform::ControlKind;
namespace design = platform::design;

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
    {.kind = ControlKind::ListBox, .name = "List1", .flags = design::kMultiSelect},
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

class ToolForm : public platform::Form {
 public:
  explicit ToolForm(platform::FormHost& host) : Form(host, "Frm_tool") {
    addControls(kDesign);
    setCaption("工具");
    setBackColor(0xFFFFFF);
    move(600, 600, 5000, 4000);
  }
  std::function<void()> onLoad;

 protected:
  void Form_Load() override {
    if (onLoad) onLoad();
  }
};

class DesignReset : public HeadlessFixture {
 protected:
  ToolForm form{forms};
  platform::Control& c(const std::string& name, int index = -1) {
    return controlNamed(form, name, index);
  }
};

TEST_F(DesignReset, AWindowLoadedAgainStartsFromItsDesignBeforeItsLoadRuns) {
  form.Load();
  platform::Control& picture = c("Picture7");
  platform::Control& box = c("Check3", 2);
  platform::Control& text = c("Text2", 7);
  platform::Control& list = c("List1");
  platform::Control& scroll = c("HScroll1");
  // What one opening leaves: every kind of property changed, by code and by the user.
  picture.move(900, 900, 4000, 3000);
  picture.setPicture("D:\\sky.bmp", 20, 20);
  picture.setAutoRedraw(true);
  picture.fillBox(0, 0, 10, 10, 0x00FF00);
  box.setCaption("x");
  box.setFont({"Arial", 20, true, true});
  box.setForeColor(0xFFFFFF);
  forms.click(box);
  forms.click(c("Option4", 1));
  text.setText("12");
  text.setLocked(false);
  list.addItem("001 Keynote");
  list.addItem("002 Panel");
  list.setTabStops({122, 230});
  list.userSelect({false, true}, 1);
  scroll.setRange(0, 50);
  scroll.setValue(20);
  scroll.setVisible(true);
  c("Label8").setEnabled(true);
  form.setCaption("工具 - 2");
  form.move(2500, 1200, 7000, 4000);
  form.setBackColor(0x000000);
  form.setMousePointer(platform::MousePointer::Cross);
  ASSERT_TRUE(form.Unload());

  int handlers = 0;
  for (const auto& control : form.controls()) {
    control->Click = [&] { ++handlers; };
    control->Change = [&] { ++handlers; };
  }
  // The load handler already finds the design.
  bool designedAtLoad = false;
  form.onLoad = [&] { designedAtLoad = box.Value() == 1 && list.List().empty(); };
  form.Load();

  EXPECT_TRUE(designedAtLoad);
  EXPECT_EQ(handlers, 0) << "nothing was clicked or typed";
  EXPECT_EQ(picture.Left(), 300);
  EXPECT_EQ(picture.Picture(), "");
  EXPECT_TRUE(picture.drawing().empty());
  EXPECT_FALSE(picture.AutoRedraw());
  EXPECT_EQ(box.Left(), 360) << "placed inside its container, where the container was designed";
  EXPECT_EQ(box.Top(), 600);
  EXPECT_EQ(box.Caption(), "闪烁");
  EXPECT_EQ(box.Font(), (platform::FontSpec{"宋体", 10.5, false, false}));
  EXPECT_EQ(box.ForeColor(), 0x0000FFu);
  EXPECT_EQ(box.Value(), 1);
  EXPECT_EQ(c("Option4", 1).Value(), 0);
  EXPECT_EQ(text.Text(), "0");
  EXPECT_TRUE(text.Locked());
  EXPECT_TRUE(list.List().empty());
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.SelCount(), 0);
  EXPECT_TRUE(list.tabStops().empty());
  EXPECT_EQ(scroll.Max(), 100);
  EXPECT_EQ(scroll.Value(), 70);
  EXPECT_FALSE(scroll.Visible());
  EXPECT_FALSE(c("Label8").Enabled());
  EXPECT_EQ(form.Caption(), "工具");
  EXPECT_EQ(form.Left(), 600);
  EXPECT_EQ(form.Top(), 600);
  EXPECT_EQ(form.Width(), 5000);
  EXPECT_EQ(form.BackColor(), 0xFFFFFFu);
  EXPECT_EQ(form.MousePointer(), platform::MousePointer::Default);
}

// A window that lives for the whole run is built once and loaded once: what its constructor gave
// its controls beyond the design table stays.
TEST_F(DesignReset, TheFirstLoadKeepsWhatTheWindowWasBuiltWith) {
  c("List1").addItem("000");
  c("Picture7").setPicture("D:\\face.bmp", 20, 20);
  c("Text2", 7).setText("5");
  form.Load();
  EXPECT_EQ(c("List1").List().size(), 1u);
  EXPECT_EQ(c("Picture7").Picture(), "D:\\face.bmp");
  EXPECT_EQ(c("Text2", 7).Text(), "5");
}

// A window may build its rows at run time from texts that are gone once it is built; a later
// opening still shows what the rows gave.
TEST_F(DesignReset, RowsBuiltAtRunTimeComeBackAfterTheirTextsAreGone) {
  platform::Form built(forms, "Frm_built");
  {
    const std::string caption = "Remind me at " + std::to_string(7) + ":30 every weekday";
    const std::string fontName = std::string("Microsoft Sans Serif") + " Bold";
    const std::string tip = "Shown once the alarm of " + caption + " goes off";
    const ControlDesign rows[] = {{.kind = ControlKind::Label,
                                   .name = "Label1",
                                   .caption = caption,
                                   .fontName = fontName,
                                   .toolTipText = tip}};
    built.addControls(rows);
  }
  built.Load();
  ASSERT_TRUE(built.Unload());
  built.Load();
  const platform::Control& label = controlNamed(built, "Label1");
  EXPECT_EQ(label.Caption(), "Remind me at 7:30 every weekday");
  EXPECT_EQ(label.Font().name, "Microsoft Sans Serif Bold");
  EXPECT_EQ(label.ToolTipText(),
            "Shown once the alarm of Remind me at 7:30 every weekday goes off");
}

}  // namespace
}  // namespace horalix::test
