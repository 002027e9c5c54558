#include "main/file_preset.h"

#include "platform/platform.h"
#include "services/attempt.h"
#include "services/program_values.h"
#include "services/settings_block.h"
#include "services/settings_record.h"
#include "services/text_runtime.h"
#include "store/store.h"

namespace horalix {

namespace {

constexpr char kDefaultAImode[] = "01111101";

}  // namespace

// The document name is bound as a value, so a name with a quote ("it's.pptx") finds its link
// like any other. A link whose preset cannot be read counts as no preset: the run takes the
// stored settings rather than whatever the last run left in the record.
void LoadFilePreset(platform::Platform& platform, SettingsBlock& settings,
                    const std::string& document) {
  PresetDatabase database = officeDataOf(platform);
  const DocumentPreset preset = database.presetForDocument(document);
  if (preset.outcome == DocumentPresetOutcome::Found) {
    copyPresetRow(preset.row, settings, PresetCopy::Document);
    attempt(platform.log, "LoadFilePreset, AImode",
            [&] { settings.AImode = programValues(platform).readText("AImode"); });
  } else {
    if (preset.outcome != DocumentPresetOutcome::NotLinked && platform.log)
      platform.log("LoadFilePreset: " + database.lastError());
    attempt(platform.log, "LoadFilePreset, LoadSettings",
            [&] { LoadSettings(platform, settings); });
  }
  if (Len(settings.AImode) < 8) settings.AImode = kDefaultAImode;
}

}  // namespace horalix
