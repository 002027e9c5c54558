#include "main/file_preset.h"

#include "main/main_needs.h"
#include "main/main_window.h"
#include "services/attempt.h"
#include "services/program_values.h"
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
void LoadFilePreset(MainNeeds& needs) {
  const std::string document = needs.run.binding.text();
  PresetDatabase database = officeDataOf(needs.platform);
  const DocumentPreset preset = database.presetForDocument(document);
  if (preset.outcome == DocumentPresetOutcome::Found) {
    copyPresetRow(preset.row, needs.settings, PresetCopy::Document);
    attempt(needs.platform.log, "LoadFilePreset, AImode",
            [&] { needs.settings.AImode = programValues(needs.platform).readText("AImode"); });
  } else {
    if (preset.outcome != DocumentPresetOutcome::NotLinked && needs.platform.log)
      needs.platform.log("LoadFilePreset: " + database.lastError());
    attempt(needs.platform.log, "LoadFilePreset, LoadSettings",
            [&] { LoadSettings(needs.platform, needs.settings); });
  }
  if (Len(needs.settings.AImode) < 8) needs.settings.AImode = kDefaultAImode;
}

}  // namespace horalix
