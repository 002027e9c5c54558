// Opening the settings window: the clock steps behind it, and every control is filled from the
// settings record, TimeData.db and the registry. Each value set runs its control's handler, so
// the options that act at once and the row rules follow the loaded values.
#include <string>

#include "clock/clock.h"
#include "services/control_frame.h"
#include "services/program_ini.h"
#include "services/setting_readers.h"
#include "services/settings_record.h"
#include "services/text_runtime.h"
#include "settings/settings_codec.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"

namespace horalix {

namespace {

// A record whose checkvalue is this short was never loaded (a fresh registry).
constexpr int kShortestLoadedCheckvalue = 10;

// The stored values outside the record, with the defaults of missing keys.
StoredOptions readStoredOptions(platform::Platform& platform, InteractionMenu& interactionMenu) {
  const auto read = [&](const char* section, const char* key, const char* fallback) {
    return readProgramIni(platform, section, key, fallback);
  };
  StoredOptions o;
  for (std::size_t i = 0; i < o.hotKeys.size(); ++i)
    o.hotKeys[i] = read("Hotkey", kHotKeyNames[i], "无");
  o.add = read("Hotkey", "add", "0");
  o.often = Trim(read("Hotkey", "often", "00"));
  o.clocklight = read("light", "clocklight", "000");
  o.backlight = read("light", "backlight", "70");
  o.secondScreen = ReadSecondScreen(platform, interactionMenu);
  o.clockCycle = ReadClockCycle(platform);
  o.openTogetherStop = ReadOpenTogetherStop(platform);
  o.timeout = ReadTimeoutAction(platform);
  return o;
}

}  // namespace

// Where the design holds a frame shape for the box.
void SettingsWindow::frameEditBoxes() {
  const auto frame = [](const ControlRow& shape, const ControlRow& box, int index) {
    platform::Control* s = shape.find(index);
    platform::Control* b = box.find(index);
    if (s != nullptr && b != nullptr) FrameControl(*s, *b);
  };
  frame(Shape1, fields_.Text1, 5);
  for (int i = 0; i <= 6; ++i) frame(Shape2, fields_.Text2, i);
  for (int i = 1; i <= 4; ++i) frame(Shape3, fields_.Text3, i);
  for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10}) frame(Shape4, fields_.Text4, i);
}

// The controls and the window's place are as designed at every opening; what an earlier
// opening chose is gone with them.
void SettingsWindow::Form_Load() {
  ColourChoice = 0;
  ctrlAtHelpPress_ = false;
  // The clock would otherwise stand over the window while the user edits it.
  needs_.platform.desktop.sendToBottom(needs_.floatingClock);
  // Disabled, the colour list's handler opens no colour dialog while the fill sets its position.
  platform::Control& colours = fields_.Combo3;
  colours.setEnabled(false);
  {
    FillFromCode filling(*this);
    FillSettingsForm();
  }
  colours.setEnabled(true);
  // The choice a cancelled colour dialog goes back to: the list's position, or on "自定义" the
  // stored colour that the swatch shows.
  const int position = colours.ListIndex();
  ColourChoice = position + 1 == static_cast<int>(colours.List().size())
                     ? static_cast<std::int32_t>(fields_.Label10.BackColor())
                     : position;
  frameEditBoxes();
  // The tab of the first page "限时", whose page the design shows, is drawn as the current one.
  showFirstTab();
}

void SettingsWindow::FillSettingsForm() {
  if (Len(needs_.settings.checkvalue) < kShortestLoadedCheckvalue)
    LoadSettings(needs_.platform, needs_.settings);
  // The lists first: their positions are what the record and the stored options select.
  fillLists();
  decodeSettings(fields_, needs_.settings);
  // The row rules of the time page, the dependent rows before the master row.
  for (int row : {4, 3, 2, 1}) Check2_Click(row);
  decodeStoredOptions(fields_, readStoredOptions(needs_.platform, needs_.interactionMenu));
}

}  // namespace horalix
