// The interaction presets in the tray menu: one item per stored preset, captioned with its
// duration and shown while the preset is in use.
#include "interaction/interaction.h"
#include "main/main_needs.h"
#include "main/main_window.h"
#include "services/ini_read_write.h"
#include "services/program_folder.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"

namespace horalix {

// Read once at load. Each item stands on its own: a preset that cannot be read hides its own
// item (it would start a wrong duration) and leaves the others as they are.
void MainWindow::LoadHudongMenu() {
  for (int i = 1; i <= 5; ++i) {
    platform::MenuItem& item = hd_time_one(i - 1);
    try {
      const InteractionMenuEntry entry =
          readInteractionMenuEntry({needs_.platform.files, iniPath(needs_.platform)}, i);
      const std::string caption = TimeToMinSec(entry.sname);
      const bool shown = Val(horalix::Left(entry.checkvalue, 1)) != 0;
      interactionPresetCaptions_.at(static_cast<std::size_t>(i - 1)) = caption;
      item.setCaption(caption);
      item.setVisible(shown);
    } catch (const std::exception& e) {
      if (needs_.platform.log) needs_.platform.log(std::string("LoadHudongMenu: ") + e.what());
      item.setVisible(false);
    }
  }
}

const std::string& MainWindow::interactionPresetCaption(int index) const {
  return interactionPresetCaptions_.at(static_cast<std::size_t>(index));
}

void MainWindow::showInteractionPreset(int index, bool visible, const std::string& caption) {
  platform::MenuItem& item = hd_time_one(index);
  item.setVisible(visible);
  item.setCaption(caption);
  interactionPresetCaptions_.at(static_cast<std::size_t>(index)) = caption;
}

// The pause item is the second of the countdown's own menu.
void MainWindow::showInteractionPaused(bool paused) {
  needs_.run.interactionPaused = paused;
  paintMenus();
}

void MainWindow::tickInteractionExtendedScreen(bool ticked) {
  needs_.run.interactionScreen = ticked ? InteractionScreen::Extended : InteractionScreen::Primary;
  paintMenus();
}

// The countdown asks at each of its ticks: the menus are painted only when the offer changes.
void MainWindow::offerInteractionExtendedScreen(bool offered) {
  if (findMenu("hd_time_show") == nullptr) return;
  RunState& run = needs_.run;
  const InteractionScreen screen = offered ? run.interactionScreen : InteractionScreen::Primary;
  if (offered == run.extendedScreenOffered && screen == run.interactionScreen) return;
  run.interactionScreen = screen;
  run.extendedScreenOffered = offered;
  paintMenus();
}

void MainWindow::popUpInteractionMenu() {
  paintMenus();
  needs_.platform.tray.popup(*this, ppt_hudong);
}

}  // namespace horalix
