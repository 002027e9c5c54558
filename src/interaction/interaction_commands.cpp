#include "interaction/interaction_commands.h"

#include <string_view>

#include "interaction/interaction_needs.h"
#include "interaction/interaction_presets.h"
#include "interaction/interaction_settings_window.h"
#include "interaction/interaction_window.h"
#include "services/ports.h"
#include "services/setting_readers.h"

namespace horalix {

namespace {

// A caption the countdown can take as its duration: minutes and seconds of one or two digits,
// each 0 to 59.
bool isMinutesAndSeconds(const std::string& caption) {
  // One or two digits, 0 to 59; a field of anything else (or nothing) is no number.
  const auto field = [](std::string_view digits) {
    if (digits.empty() || digits.size() > 2) return false;
    int value = 0;
    for (const char c : digits) {
      if (c < '0' || c > '9') return false;
      value = value * 10 + (c - '0');
    }
    return value <= 59;
  };
  const std::size_t colon = caption.find(':');
  if (colon == std::string::npos) return false;
  const std::string_view text(caption);
  return field(text.substr(0, colon)) && field(text.substr(colon + 1));
}

}  // namespace

void hd_time_one_Click(InteractionNeeds& needs, std::int16_t Index) {
  InteractionWindow& window = needs.interactionWindow;
  const std::string caption = needs.interactionMenu.presetCaption(Index);
  if (window.counting()) return;
  if (!isMinutesAndSeconds(caption)) {
    needs.platform.log("hd_time_one: \"" + caption + "\" is not minutes:seconds");
    return;
  }
  window.startPreset(caption, static_cast<std::int16_t>(Index + 1));
}

void Frmhudong_Click(InteractionNeeds& needs, std::int16_t Index) {
  if (Index == 1) needs.interactionWindow.pauseOrContinue();
  if (Index == 2) needs.interactionWindow.closeCountdown();
}

void hd_time_show_Click(InteractionNeeds& needs) {
  InteractionMenu& menu = needs.interactionMenu;
  InteractionWindow& window = needs.interactionWindow;
  if (!window.showsCountdown()) {
    menu.tickExtendedScreen(false);
    return;
  }
  // With an extended screen in use the item is offered, so its tick alone says where the
  // countdown stands.
  if (ReadSecondScreen(needs.platform, needs.interactionMenu) == 0) {
    window.centreHorizontally(false);
    return;
  }
  const bool extended = !needs.run.onExtendedScreen();
  menu.tickExtendedScreen(extended);
  window.centreHorizontally(extended);
}

void hd_time_set_Click(InteractionNeeds& needs) {
  Frmhudong_Click(needs, 2);
  needs.runControl.closeToolWindow();
  needs.run.openToolWindow = OpenWindow::InteractionSettings;
  needs.toolWindows.open(ToolWindow::InteractionSettings);
}

}  // namespace horalix
