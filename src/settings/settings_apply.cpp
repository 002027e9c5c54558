// The settings window's apply command "应用". Everything is checked before anything changes: a
// refused apply leaves the settings record, the registry and TimeData.db as they were. An
// accepted one stores the record and the options, takes the hot keys anew and sets the clocks up
// for a fresh run. In prompt-text mode only the prompt bars' look is stored and previewed.
#include <string>

#include "bars/bars.h"
#include "clock/clock.h"
#include "main/main.h"
#include "services/context.h"
#include "services/palette.h"
#include "services/program_ini.h"
#include "services/setting_readers.h"
#include "services/settings_record.h"
#include "services/time_conversions.h"
#include "services/value_store.h"
#include "settings/settings_codec.h"
#include "settings/settings_window.h"
#include "settings/stage_checks.h"

namespace horalix {

namespace {

void storeOptions(Context& context, const StoredOptions& o) {
  for (std::size_t i = 0; i < o.hotKeys.size(); ++i)
    writeProgramIni(context.platform, "Hotkey", kHotKeyNames[i], o.hotKeys[i]);
  writeProgramIni(context.platform, "Hotkey", "add", o.add);
  writeProgramIni(context.platform, "Hotkey", "often", o.often);
  writeProgramIni(context.platform, "light", "clocklight", o.clocklight);
  writeProgramIni(context.platform, "light", "backlight", o.backlight);
}

// The clocks stop; the next run is armed in the timing mode just stored.
void rearmRun(Context& context) {
  FloatingClock& clock = context.floatingClock();
  clock.restoreAtNextStart = true;
  clock.haltCount();
  resumeTiming(context, true);
}

// Documents are recognised by their extensions: when Explorer hides them, offer to show them.
void offerFileExtensions(Context& context, SettingsWindow& window) {
  ValueStore explorer(context.platform.scriptingShell, context.platform.registry,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced");
  if (explorer.readInt32("HideFileExt") != 1) return;
  window.Hide();
  const int answer = context.platform.messageBoxes.show(
      "电脑已隐藏文件扩展名，特殊文件的计时将不正确\r\n\r\n点同意将修复此功能，杀毒软件提示请允许",
      "提示", platform::mb::YesNo | platform::mb::Information);
  if (answer == platform::answer::Yes) {
    explorer.write("HideFileExt", std::int32_t{0}, platform::regtype::Dword);
  }
  window.Show();
}

// Prompt-text mode: the look controls stand for the prompt bars; store them and show the
// primary bar with them at once. Nothing is checked and the settings record is not touched.
void applyPromptLook(Context& context, SettingsWindow& w) {
  writeProgramIni(context.platform, "Hotkey", "processFont", w.c("Combo1").Text());
  writeProgramIni(context.platform, "Hotkey", "processFontSize", std::to_string(w.c("Combo2").ListIndex()));
  writeProgramIni(context.platform, "Hotkey", "processColor", std::to_string(w.c("Combo3").ListIndex()));
  writeProgramIni(context.platform, "Hotkey", "processForeset", colourText(w.c("Label10").BackColor()));
  writeProgramIni(context.platform, "Hotkey", "processvalue", std::to_string(w.c("Check1", 5).Value()));
  writeProgramIni(context.platform, "Hotkey", "processBackColor", colourText(w.c("Text1", 5).BackColor()));
  writeProgramIni(context.platform, "Hotkey", "processadd", w.c("Text2", 0).Text());
  context.mainWindow().pauseDocumentWatch();
  context.promptBar().requestStart();
  context.floatingClock().alarmStage = AlarmStage::SettingsApplied;
  context.mirrorClock().alarmStage = AlarmStage::SettingsApplied;
}

}  // namespace

void SettingsWindow::Command1_Click() {
  if (c("Check8", 0).Value() == 1) {
    applyPromptLook(context_, *this);
    return;
  }
  // A field that is no number keeps the value the record has.
  const SettingsBlock taken = encodeSettings(*this, context_.settings);
  const StoredOptions options = encodeStoredOptions(*this);
  const StageTimes times{TimeToSeconds(taken.Time_all),
                         {taken.Time_one, taken.Time_two, taken.Time_three}};
  platform::MessageBoxes& boxes = context_.platform.messageBoxes;
  if (!checkStageTimes(*this, boxes, times, {"提醒时间不能相同，请修改", "\r\n\r\n"}) ||
      !hotKeysDistinct(*this, boxes)) {
    return;
  }

  context_.settings = taken;
  SaveSettings(context_.platform, context_.settings);
  context_.platform.loop.doEvents();
  storeOptions(context_, options);
  MainWindow& main = context_.mainWindow();
  main.hotkey_del();
  main.Hotkey_set();
  rearmRun(context_);
  offerFileExtensions(context_, *this);
}

}  // namespace horalix
