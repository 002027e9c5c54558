// What the statistics window and the preset manager work with: the platform, the settings
// record, the run state, the main window whose presets menu a stored preset changes, the
// settings window that a preset fills in, and the port that hands the program back to timing.
// The program's composition (app/) fills it in.
#pragma once

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

// main/main.h
class MainWindow;
// settings/settings.h
class SettingsWindow;

struct PresetsNeeds {
  platform::Platform& platform;
  SettingsBlock& settings;
  RunState& run;
  SettingsWindow& settingsWindow;
  MainWindow& mainWindow;
  TimingHandback& timingHandback;
};

}  // namespace horalix
