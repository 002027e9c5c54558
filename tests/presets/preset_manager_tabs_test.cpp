// The preset manager's two tabs draw with the settings window's tab pictures: the selected tab,
// the tabs at rest and the tab under the mouse each show their own.
#include <gtest/gtest.h>

#include "presets/preset_manager_fixture.h"
#include "settings/settings.h"

namespace horalix::test {
namespace {

TEST_F(PresetManagerTest, TabsShowTheSettingsWindowsTabPictures) {
  // The manager opens from the settings window.
  app.settingsWindow().Load();
  const std::string rest = programPath("picture\\tab-rest.bmp"),
                    hover = programPath("picture\\tab-hover.bmp"),
                    selected = programPath("picture\\tab-selected.bmp");
  const auto picture = [this](int tab) { return c("Image1", tab).Picture(); };

  open();
  EXPECT_EQ(picture(0), selected);
  EXPECT_EQ(picture(1), rest);
  c("Image1", 1).click();
  EXPECT_EQ(picture(0), rest);
  EXPECT_EQ(picture(1), selected);
  // Only a tab at rest takes the hover picture, and the window's surface rests it again.
  c("Image1", 0).MouseMove(0, 0, 10, 10);
  EXPECT_EQ(picture(0), hover);
  c("Image1", 1).MouseMove(0, 0, 10, 10);
  EXPECT_EQ(picture(1), selected);
  manager().MouseMove(0, 0, 10, 10);
  EXPECT_EQ(picture(0), rest);
  EXPECT_EQ(picture(1), selected);
}

}  // namespace
}  // namespace horalix::test
