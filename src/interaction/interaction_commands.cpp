#include "interaction/interaction_commands.h"

#include <string_view>

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

void hd_time_one_Click(platform::Platform& platform, InteractionMenu& menu,
                       InteractionWindow& window, std::int16_t Index) {
  const std::string caption = menu.presetCaption(Index);
  if (window.counting()) return;
  if (!isMinutesAndSeconds(caption)) {
    platform.log("hd_time_one: \"" + caption + "\" is not minutes:seconds");
    return;
  }
  window.startPreset(caption, static_cast<std::int16_t>(Index + 1));
}

void Frmhudong_Click(InteractionWindow& window, std::int16_t Index) {
  if (Index == 1) window.pauseOrContinue();
  if (Index == 2) window.closeCountdown();
}

void hd_time_show_Click(platform::Platform& platform, const RunState& run, InteractionMenu& menu,
                        InteractionWindow& window) {
  if (!window.showsCountdown()) {
    menu.tickExtendedScreen(false);
    return;
  }
  // With an extended screen in use the item is offered, so its tick alone says where the
  // countdown stands.
  if (ReadSecondScreen(platform, menu) == 0) {
    window.centreHorizontally(false);
    return;
  }
  const bool extended = !run.onExtendedScreen();
  menu.tickExtendedScreen(extended);
  window.centreHorizontally(extended);
}

void hd_time_set_Click(InteractionWindow& window, RunState& run, RunControl& runControl,
                       ToolWindows& toolWindows) {
  Frmhudong_Click(window, 2);
  runControl.closeToolWindow();
  run.openToolWindow = OpenWindow::InteractionSettings;
  toolWindows.open(ToolWindow::InteractionSettings);
}

}  // namespace horalix
