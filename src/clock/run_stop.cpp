#include "clock/run_stop.h"

#include <cmath>

#include "bars/bars.h"
#include "clock/floating_clock.h"
#include "interaction/interaction.h"
#include "main/main.h"
#include "presets/presets.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/option_names.h"
#include "services/run_record.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "settings/settings.h"

namespace horalix {

void RecordRun(Context& app, FloatingClock& clock) {
  Attempt(app, "RecordRun", [&] {
    const std::string music = clock.SoundNames.size() > 4 ? clock.SoundNames[4] : "";
    SaveTimeRecord(app, clock.Left(), clock.Top(), music);
  });
}

void CloseToolWindows(Context& app, bool withStatistics) {
  if (withStatistics) Attempt(app, "CloseToolWindows", [&] { app.statisticsWindow().Unload(); });
  for (platform::Form* tool : {static_cast<platform::Form*>(&app.presetManager()),
                               static_cast<platform::Form*>(&app.interactionSettingsWindow()),
                               static_cast<platform::Form*>(&app.settingsWindow())}) {
    Attempt(app, "CloseToolWindows", [&] { tool->Unload(); });
  }
  Attempt(app, "CloseToolWindows", [&] { app.mainWindow().delform(); });
}

void ShowTimeUpPrompt(Context& app) {
  Attempt(app, "ShowTimeUpPrompt", [&] {
    if (!OptionOn(app.settings.checkvalue, CheckFlag::EndPrompt) ||
        Trim(app.settings.tellouttext).empty())
      return;
    app.timeUpPrompt().Show(true);
  });
}

void StartNextRound(Context& app, FloatingClock& clock) {
  bool nextPreset = false;
  Attempt(app, "StartNextRound", [&] {
    nextPreset = OptionOn(app.settings.AImode, AiFlag::Manual) && ReadClockCycle(app) == 1;
  });
  if (nextPreset) {
    app.mainWindow().nextmenu_often();
  } else {
    clock.Timer5.setEnabled(true);
  }
}

}  // namespace horalix
