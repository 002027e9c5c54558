#include "main/file_preset.h"

#include "main/main_window.h"
#include "services/attempt.h"
#include "services/context.h"
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
void LoadFilePreset(Context& context) {
  const std::string document = context.run.binding.bound;
  PresetDatabase database = officeDataOf(context.platform);
  const DocumentPreset preset = database.presetForDocument(document);
  if (preset.outcome == DocumentPresetOutcome::Found) {
    copyPresetRow(preset.row, context.settings, PresetCopy::Document);
    attempt(context.platform.log, "LoadFilePreset, AImode",
            [&] { context.settings.AImode = programValues(context.platform).readText("AImode"); });
  } else {
    if (preset.outcome != DocumentPresetOutcome::NotLinked && context.platform.log)
      context.platform.log("LoadFilePreset: " + database.lastError());
    attempt(context.platform.log, "LoadFilePreset, LoadSettings",
            [&] { LoadSettings(context.platform, context.settings); });
  }
  if (Len(context.settings.AImode) < 8) context.settings.AImode = kDefaultAImode;
}

}  // namespace horalix
