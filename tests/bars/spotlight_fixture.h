// A started program with the spotlight windows at hand, a 1920 x 1080 primary screen and
// helpers that seed [light] settings and spot bitmaps.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "bars/follow_spotlight.h"
#include "bars/spotlight_dark_layer.h"
#include "bars/spotlight_veil.h"
#include "services/ini_read_write.h"
#include "services/program_folder.h"
#include "support/main_window_fixture.h"

namespace horalix::test {

class SpotlightTest : public MainWindowTest {
 protected:
  void SetUp() override {
    start();
    desktop.setFullScreenArea({0, 0, 1920, 1040});
  }

  void setLight(const std::string& key, const std::optional<std::string>& value) {
    if (value) {
      IniReadWrite(files, "write", iniPath(app.platform), "light", key, *value);
    } else {
      IniReadWrite(files, "delpart", iniPath(app.platform), "light", key, "");
    }
  }

  // A bitmap file whose header gives its size, as the spot bitmaps of LightPic.
  void installBitmap(const std::string& relative, int widthPx, int heightPx) {
    std::string bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes[18] = static_cast<char>(widthPx & 0xFF);
    bytes[19] = static_cast<char>(widthPx >> 8);
    bytes[22] = static_cast<char>(heightPx & 0xFF);
    bytes[23] = static_cast<char>(heightPx >> 8);
    installFile(relative, bytes);
  }

  // The opacity of a loaded window that keys out white; -1 for none.
  int lastAlpha(const std::string& name) const {
    const platform::Form* form = forms.find(name);
    return form && form->layered() && form->colorKey() == 0xFFFFFF ? form->alpha() : -1;
  }
  int topmostCount(const std::string& form) const { return forms.raiseCount(form); }

  // The menu items, clicked as a user does.
  void chooseFollow() { forms.click(main.MouseLight(0)); }
  void chooseArea() { forms.click(main.MouseLight(1)); }

  FollowSpotlight& light = app.followSpotlight();
  SpotlightDarkLayer& layer = app.spotlightDarkLayer();
  SpotlightVeil& veil = app.spotlightVeil();
};

}  // namespace horalix::test
