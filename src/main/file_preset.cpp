#include "main/file_preset.h"

#include "main/main_window.h"
#include "main/office_data.h"
#include "main/preset_row.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/program_values.h"
#include "services/settings_record.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

constexpr char kDefaultAImode[] = "01111101";

}  // namespace

// The document name is bound as a value, so a name with a quote ("it's.pptx") finds its link
// like any other. A link whose preset cannot be read counts as no preset: the run takes the
// stored settings rather than whatever the last run left in the record.
void LoadFilePreset(Context& app) {
  const std::string document = app.mainWindow().Label13(0).Caption();
  PresetDatabase database = officeDataOf(app);
  const DocumentPreset preset = database.presetForDocument(document);
  if (preset.outcome == DocumentPresetOutcome::Found) {
    copyPresetRow(preset.row, app.settings, PresetCopy::Document);
    attempt(app, "LoadFilePreset, AImode",
            [&] { app.settings.AImode = programValues(app).readText("AImode"); });
  } else {
    if (preset.outcome != DocumentPresetOutcome::NotLinked && app.platform.log)
      app.platform.log("LoadFilePreset: " + database.lastError());
    attempt(app, "LoadFilePreset, LoadSettings", [&] { LoadSettings(app, app.settings); });
  }
  if (Len(app.settings.AImode) < 8) app.settings.AImode = kDefaultAImode;
}

}  // namespace horalix
