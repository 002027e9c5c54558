#include "interaction/interaction_commands.h"

#include <string_view>

#include "interaction/interaction_presets.h"
#include "interaction/interaction_settings_window.h"
#include "interaction/interaction_window.h"
#include "services/context.h"
#include "services/ports.h"
#include "services/setting_readers.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

PresetFile presetFile(Context& context) { return {context.platform.files, context.iniPath()}; }

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

void hd_time_one_Click(Context& context, std::int16_t Index) {
  InteractionWindow& window = context.interactionWindow();
  const std::string caption = context.ports().interactionMenu().presetCaption(Index);
  if (window.Timer1.Enabled()) return;
  if (!isMinutesAndSeconds(caption)) {
    context.platform.log("hd_time_one: \"" + caption + "\" is not minutes:seconds");
    return;
  }
  window.Label9(0).setCaption("0");
  window.Label9(1).setCaption("0");
  window.Label1.setCaption(caption);
  window.setPaused(false);
  for (platform::Timer* t : {&window.Timer1, &window.Timer2, &window.Timer3, &window.Timer4}) {
    t->setEnabled(false);
  }
  StopMusic(context.platform, context.pathInProgramFolder("sounds\\" + window.Label6.Caption()));
  hd_set(context, TimeValue("00:" + caption), static_cast<std::int16_t>(Index + 1));
}

void hd_set(Context& context, double duration, std::int16_t n) {
  (void)duration;
  InteractionWindow& window = context.interactionWindow();
  const InteractionPreset preset = readInteractionPresetForStart(presetFile(context), n);
  window.Label2.setCaption(preset.Ttime);
  window.Label4.setCaption(preset.Fontselect);
  window.Label6.setCaption(preset.soundname);
  window.Label7.setCaption(preset.checkvalue);
  window.Timer3.setEnabled(true);
}

void Frmhudong_Click(Context& context, std::int16_t Index) {
  if (Index == 1) context.interactionWindow().pauseOrContinue();
  if (Index == 2) context.interactionWindow().closeCountdown();
}

void hd_time_show_Click(Context& context) {
  InteractionMenu& menu = context.ports().interactionMenu();
  InteractionWindow& window = context.interactionWindow();
  if (Len(window.Label1.Caption()) < 3) {
    menu.tickExtendedScreen(false);
    return;
  }
  // With an extended screen in use the item is offered, so its tick alone says where the
  // countdown stands.
  if (ReadSecondScreen(context.platform, context.ports()) == 0) {
    window.centreHorizontally(false);
    return;
  }
  const bool extended = !menu.onExtendedScreen();
  menu.tickExtendedScreen(extended);
  window.centreHorizontally(extended);
}

void hd_time_set_Click(Context& context) {
  Frmhudong_Click(context, 2);
  context.ports().runControl().closeToolWindow();
  context.run.openToolWindow = OpenWindow::InteractionSettings;
  context.ports().toolWindows().open(ToolWindow::InteractionSettings);
}

}  // namespace horalix
