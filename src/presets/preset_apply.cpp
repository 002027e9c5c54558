// A stored preset back into the settings window. The controls react as to a user's change (the
// transparent background hides its controls, the rows follow their boxes), except that the
// colour list opens no colour dialog while a preset is being applied: a custom colour comes from
// the row itself. The timing mode, the document kinds and the picture size stay as the window
// shows them.
#include <exception>

#include "main/main.h"
#include "presets/preset_manager.h"
#include "presets/presets_needs.h"
#include "settings/settings.h"
#include "store/store.h"

namespace horalix {

void PresetManager::applyToSettingsWindow(const std::vector<platform::DbValue>& row) {
  SettingsWindow& window = needs_.settingsWindow;
  const SettingsFields& fields = window.fields();
  // A column that is empty or cannot be read leaves its control as it is: the row is laid over
  // what the window shows.
  SettingsBlock preset = needs_.settings;
  try {
    preset = encodeSettings(fields);
  } catch (const std::exception&) {
    // A number field beyond its range: the record stands in for the window.
  }
  copyPresetRow(row, preset, PresetCopy::Document);
  FillFromCode filling(window);
  decodePresetSettings(fields, preset);
  // The overtime options' handlers set the overtime row from the settings record in force;
  // a second pass gives back the preset's values to whatever a handler changed.
  decodePresetSettings(fields, preset);
}

}  // namespace horalix
