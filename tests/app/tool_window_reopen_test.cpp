// The windows that the program closes and opens again. Whatever one opening did to a window and
// its controls, the next opening over the same stores shows what the first one showed: the
// design and what the stores hold, nothing of the last opening.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bars/bars.h"
#include "bars/online_help_window.h"
#include "bars/time_up_backdrop.h"
#include "bars/time_up_prompt.h"
#include "interaction/interaction.h"
#include "interaction/interaction_settings_window.h"
#include "presets/office_data_file.h"
#include "presets/preset_manager.h"
#include "presets/presets.h"
#include "presets/statistics_window.h"
#include "services/settings_record.h"
#include "settings/settings.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

// What a user sees of a control.
struct ControlView {
  std::string name;
  int index;
  int left, top, width, height;
  bool visible, enabled, locked;
  std::string caption;
  int value;
  std::vector<std::string> list;
  int listIndex;
  std::uint32_t foreColor, backColor;
  platform::FontSpec font;
  std::string picture;
  std::vector<int> tabStops;
  std::vector<platform::DrawOp> drawing;
  bool operator==(const ControlView&) const = default;
};

// What a user sees of a window.
struct WindowView {
  std::string caption;
  int left, top, width, height;
  std::uint32_t backColor;
  platform::MousePointer pointer;
  std::vector<ControlView> controls;
  bool operator==(const WindowView&) const = default;
};

WindowView viewOf(const platform::Form& form) {
  WindowView view{form.Caption(), form.Left(),      form.Top(),          form.Width(),
                  form.Height(),  form.BackColor(), form.MousePointer(), {}};
  for (const auto& owned : form.controls()) {
    const platform::Control& c = *owned;
    view.controls.push_back({c.name(), c.index(), c.Left(), c.Top(), c.Width(), c.Height(),
                             c.Visible(), c.Enabled(), c.Locked(), c.Caption(), c.Value(), c.List(),
                             c.ListIndex(), c.ForeColor(), c.BackColor(), c.Font(), c.Picture(),
                             c.tabStops(), c.drawing()});
  }
  return view;
}

// Changes the window and every property of every control, as a user's choices and the
// window's own code may leave them; no handler runs for it.
void changeEverything(platform::Form& form) {
  form.setCaption(form.Caption() + " *");
  form.move(form.Left() + 300, form.Top() + 200, form.Width() + 150, form.Height() + 90);
  form.setBackColor(0x123456);
  form.setMousePointer(platform::MousePointer::Cross);
  for (const auto& owned : form.controls()) {
    platform::Control& c = *owned;
    c.move(c.Left() + 45, c.Top() + 30, c.Width() + 15, c.Height() + 15);
    c.setVisible(!c.Visible());
    c.setEnabled(!c.Enabled());
    c.setLocked(!c.Locked());
    c.setCaption(c.Caption() + "*");
    c.setForeColor(0x654321);
    c.setBackColor(0x123456);
    c.setFont({"Arial", 30, true, true});
    c.setPicture("D:\\left over.bmp", 4, 4);
    c.setTabStops({7});
    c.fillBox(0, 0, 15, 15, 0x00FF00);
    if (c.kind() == platform::ControlKind::ListBox || c.kind() == platform::ControlKind::ComboBox) {
      c.addItem("left over");
    }
  }
}

struct ToolWindow {
  const char* name;
  // Opens the window as the program does, with what it opens from, and returns it.
  std::function<platform::Form&(App&)> open;
};

void PrintTo(const ToolWindow& window, std::ostream* out) { *out << window.name; }

class ToolWindowReopen : public ProgramFixture, public ::testing::WithParamInterface<ToolWindow> {
 protected:
  void SetUp() override {
    app.settings = defaultSettings();
    app.settings.tellouttext = "时间到";
    installFile("TimeData.db");
    createOfficeDataFile(files.realPath(programPath("OfficeData.db")),
                         "INSERT INTO timesum VALUES (1, '00:05:00', '00:04:30', '00:00:00', "
                         "'00:00:10', 'talk.pptx');");
  }
};

TEST_P(ToolWindowReopen, ShowsWhatItShowedAtItsFirstOpeningAndNothingOfTheLast) {
  platform::Form& window = GetParam().open(app);
  ASSERT_TRUE(window.loaded());
  const WindowView first = viewOf(window);
  changeEverything(window);
  ASSERT_NE(viewOf(window), first);
  ASSERT_TRUE(window.Unload());

  ASSERT_EQ(&GetParam().open(app), &window);
  const WindowView again = viewOf(window);
  EXPECT_EQ(again.caption, first.caption);
  EXPECT_EQ(again.left, first.left);
  EXPECT_EQ(again.top, first.top);
  EXPECT_EQ(again.width, first.width);
  EXPECT_EQ(again.height, first.height);
  EXPECT_EQ(again.backColor, first.backColor);
  EXPECT_EQ(again.pointer, first.pointer);
  ASSERT_EQ(again.controls.size(), first.controls.size());
  for (std::size_t i = 0; i < first.controls.size(); ++i) {
    EXPECT_TRUE(again.controls[i] == first.controls[i])
        << first.controls[i].name << "(" << first.controls[i].index << ")";
  }
}

platform::Form& shown(platform::Form& window) {
  window.Show();
  return window;
}

INSTANTIATE_TEST_SUITE_P(
    EveryToolWindow, ToolWindowReopen,
    ::testing::Values(
        ToolWindow{"Settings",
                   [](App& app) -> platform::Form& { return shown(app.settingsWindow()); }},
        // The preset manager opens from the settings window, which stays open.
        ToolWindow{"PresetManager",
                   [](App& app) -> platform::Form& {
                     shown(app.settingsWindow());
                     return shown(app.presetManager());
                   }},
        ToolWindow{"Statistics",
                   [](App& app) -> platform::Form& { return shown(app.statisticsWindow()); }},
        ToolWindow{
            "InteractionSettings",
            [](App& app) -> platform::Form& { return shown(app.interactionSettingsWindow()); }},
        ToolWindow{"OnlineHelp",
                   [](App& app) -> platform::Form& { return shown(app.onlineHelpWindow()); }},
        ToolWindow{"FollowSpotlight",
                   [](App& app) -> platform::Form& { return shown(app.followSpotlight()); }},
        ToolWindow{"SpotlightDarkLayer",
                   [](App& app) -> platform::Form& { return shown(app.spotlightDarkLayer()); }},
        ToolWindow{"SpotlightVeil",
                   [](App& app) -> platform::Form& { return shown(app.spotlightVeil()); }},
        // The prompt shows its backdrop and closes it with itself.
        ToolWindow{"TimeUpPrompt",
                   [](App& app) -> platform::Form& { return shown(app.timeUpPrompt()); }},
        ToolWindow{
            "TimeUpBackdrop",
            [](App& app) -> platform::Form& { return shown(app.timeUpPrompt().backdrop()); }}),
    [](const ::testing::TestParamInfo<ToolWindow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace horalix::test
