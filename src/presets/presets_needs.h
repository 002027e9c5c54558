// What the statistics window and the preset manager work with: the platform, the settings
// record, the settings window that a preset fills in, the main window whose presets menu a stored
// preset changes, and the two clocks, which with the main window are what the statistics window
// hands back to timing when it closes. The program's composition (app/) fills it in.
#pragma once

#include "platform/platform.h"
#include "services/settings_block.h"

namespace horalix {

// clock/clock.h
struct ClockPair;
// main/main.h
class MainWindow;
// settings/settings.h
class SettingsWindow;

struct PresetsNeeds {
  platform::Platform& platform;
  SettingsBlock& settings;
  SettingsWindow& settingsWindow;
  MainWindow& mainWindow;
  ClockPair& clocks;
};

}  // namespace horalix
