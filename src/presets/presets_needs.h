// What the statistics window and the preset manager work with: the platform, the settings
// record, the run state, the preset manager, the main window and the settings window that a
// preset fills in, and the main subsystem's routines. The program's composition (app/) fills it
// in.
#pragma once

#include "platform/platform.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

// main/main.h
struct MainNeeds;
class MainWindow;
// settings/settings.h
class SettingsWindow;
// presets/presets.h
class PresetManager;

struct PresetsNeeds {
  platform::Platform& platform;
  SettingsBlock& settings;
  RunState& run;
  PresetManager& presetManager;
  SettingsWindow& settingsWindow;
  MainWindow& mainWindow;
  MainNeeds& mainNeeds;
};

}  // namespace horalix
