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

void recordRun(Context& app, FloatingClock& clock) {
  attempt(app, "recordRun", [&] {
    const std::string music = clock.SoundNames.size() > 4 ? clock.SoundNames[4] : "";
    SaveTimeRecord(app, clock.Left(), clock.Top(), music);
  });
}

void closeToolWindows(Context& app, bool withStatistics) {
  if (withStatistics) attempt(app, "closeToolWindows", [&] { app.statisticsWindow().Unload(); });
  for (platform::Form* tool : {static_cast<platform::Form*>(&app.presetManager()),
                               static_cast<platform::Form*>(&app.interactionSettingsWindow()),
                               static_cast<platform::Form*>(&app.settingsWindow())}) {
    attempt(app, "closeToolWindows", [&] { tool->Unload(); });
  }
  attempt(app, "closeToolWindows", [&] { app.mainWindow().delform(); });
}

void showTimeUpPrompt(Context& app) {
  attempt(app, "showTimeUpPrompt", [&] {
    if (!optionOn(app.settings.checkvalue, CheckFlag::EndPrompt) ||
        Trim(app.settings.tellouttext).empty())
      return;
    app.timeUpPrompt().Show(true);
  });
}

void startNextRound(Context& app, FloatingClock& clock) {
  bool nextPreset = false;
  attempt(app, "startNextRound", [&] {
    nextPreset = optionOn(app.settings.AImode, AiFlag::Manual) && ReadClockCycle(app) == 1;
  });
  if (nextPreset) {
    app.mainWindow().nextmenu_often();
  } else {
    clock.Timer5.setEnabled(true);
  }
}

}  // namespace horalix
