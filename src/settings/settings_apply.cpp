// The settings window's apply command "应用". Everything is checked before anything changes: a
// refused apply leaves the settings record, the registry and TimeData.db as they were. An
// accepted one stores the record and the options, takes the hot keys anew and sets the clocks up
// for a fresh run. In prompt-text mode only the prompt bars' look is stored and previewed.
#include <string>

#include "bars/bars.h"
#include "clock/clock.h"
#include "main/main.h"
#include "services/palette.h"
#include "services/program_ini.h"
#include "services/setting_readers.h"
#include "services/settings_record.h"
#include "services/time_conversions.h"
#include "services/value_store.h"
#include "settings/settings.h"
#include "settings/settings_codec.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"
#include "settings/stage_checks.h"

namespace horalix {

namespace {

void storeOptions(platform::Platform& platform, const StoredOptions& o) {
  for (std::size_t i = 0; i < o.hotKeys.size(); ++i)
    writeProgramIni(platform, "Hotkey", kHotKeyNames[i], o.hotKeys[i]);
  writeProgramIni(platform, "Hotkey", "add", o.add);
  writeProgramIni(platform, "Hotkey", "often", o.often);
  writeProgramIni(platform, "light", "clocklight", o.clocklight);
  writeProgramIni(platform, "light", "backlight", o.backlight);
}

// The clocks stop; the next run is armed in the timing mode just stored.
void rearmRun(const ClockPair& clocks, MainWindow& mainWindow) {
  FloatingClock& clock = clocks.floatingClock;
  clock.restoreAtNextStart = true;
  clock.haltCount();
  resumeTiming(clocks, mainWindow, true);
}

// Documents are recognised by their extensions: when Explorer hides them, offer to show them.
void offerFileExtensions(platform::Platform& platform, SettingsWindow& window) {
  ValueStore explorer(platform.scriptingShell, platform.registry,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced");
  if (explorer.readInt32("HideFileExt") != 1) return;
  window.Hide();
  const int answer = platform.messageBoxes.show(
      "电脑已隐藏文件扩展名，特殊文件的计时将不正确\r\n\r\n点同意将修复此功能，杀毒软件提示请允许",
      "提示", platform::mb::YesNo | platform::mb::Information);
  if (answer == platform::answer::Yes) {
    explorer.write("HideFileExt", std::int32_t{0}, platform::regtype::Dword);
  }
  window.Show();
}

// Prompt-text mode: the look controls stand for the prompt bars; store them and show the
// primary bar with them at once. Nothing is checked and the settings record is not touched.
void applyPromptLook(SettingsNeeds& needs, const SettingsFields& f) {
  writeProgramIni(needs.platform, "Hotkey", "processFont", f.Combo1.Text());
  writeProgramIni(needs.platform, "Hotkey", "processFontSize",
                  std::to_string(f.Combo2.ListIndex()));
  writeProgramIni(needs.platform, "Hotkey", "processColor", std::to_string(f.Combo3.ListIndex()));
  writeProgramIni(needs.platform, "Hotkey", "processForeset", colourText(f.Label10.BackColor()));
  writeProgramIni(needs.platform, "Hotkey", "processvalue", std::to_string(f.Check1[5].Value()));
  writeProgramIni(needs.platform, "Hotkey", "processBackColor", colourText(f.Text1[5].BackColor()));
  writeProgramIni(needs.platform, "Hotkey", "processadd", f.Text2[0].Text());
  needs.mainWindow.pauseDocumentWatch();
  needs.promptBar.requestStart();
  needs.floatingClock.alarmStage = AlarmStage::SettingsApplied;
  needs.mirrorClock.alarmStage = AlarmStage::SettingsApplied;
}

}  // namespace

void SettingsWindow::Command1_Click() {
  if (fields_.Check8[0].Value() == 1) {
    applyPromptLook(needs_, fields_);
    return;
  }
  // A field that is no number keeps the value the record has.
  const SettingsBlock taken = encodeSettings(fields_, needs_.settings);
  const StoredOptions options = encodeStoredOptions(fields_);
  const StageTimes times{TimeToSeconds(taken.Time_all),
                         {taken.Time_one, taken.Time_two, taken.Time_three}};
  platform::MessageBoxes& boxes = needs_.platform.messageBoxes;
  if (!checkStageTimes(fields_, boxes, times, {"提醒时间不能相同，请修改", "\r\n\r\n"}) ||
      !hotKeysDistinct(fields_, boxes)) {
    return;
  }

  needs_.settings = taken;
  SaveSettings(needs_.platform, needs_.settings);
  needs_.platform.loop.doEvents();
  storeOptions(needs_.platform, options);
  MainWindow& main = needs_.mainWindow;
  main.hotkey_del();
  main.Hotkey_set();
  rearmRun(needs_.clocks, main);
  offerFileExtensions(needs_.platform, *this);
}

}  // namespace horalix
