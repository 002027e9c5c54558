#include "clock/run_stop.h"

#include <cmath>

#include "bars/bars.h"
#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/run_record.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"

namespace horalix {

RunStop runStopOf(ClockNeeds& needs) {
  return {needs.platform,    needs.settings,   needs.run,          needs.runControl,
          needs.toolWindows, needs.runRecords, needs.timeUpPrompt, needs.clocks};
}

void recordRun(platform::Platform& platform, RunRecords& runRecords, const RunState::Record& record,
               FloatingClock& clock) {
  attempt(platform.log, "recordRun", [&] {
    const std::string music = clock.SoundNames.size() > 4 ? clock.SoundNames[4] : "";
    SaveTimeRecord(platform, runRecords, record, clock.Left(), clock.Top(), music);
  });
}

void closeToolWindows(const platform::Log& log, ToolWindows& toolWindows, RunControl& runControl,
                      bool withStatistics) {
  if (withStatistics)
    attempt(log, "closeToolWindows", [&] { toolWindows.unload(ToolWindow::Statistics); });
  for (ToolWindow tool :
       {ToolWindow::PresetManager, ToolWindow::InteractionSettings, ToolWindow::Settings}) {
    attempt(log, "closeToolWindows", [&] { toolWindows.unload(tool); });
  }
  attempt(log, "closeToolWindows", [&] { runControl.closeToolWindow(); });
}

void showTimeUpPrompt(const platform::Log& log, const SettingsBlock& settings,
                      platform::Form& timeUpPrompt) {
  attempt(log, "showTimeUpPrompt", [&] {
    if (!optionOn(settings.checkvalue, CheckFlag::EndPrompt) || Trim(settings.tellouttext).empty())
      return;
    timeUpPrompt.Show(true);
  });
}

void startNextRound(platform::Platform& platform, const SettingsBlock& settings,
                    RunControl& runControl, FloatingClock& clock) {
  bool nextPreset = false;
  attempt(platform.log, "startNextRound", [&] {
    nextPreset = optionOn(settings.AImode, AiFlag::Manual) && ReadClockCycle(platform) == 1;
  });
  if (nextPreset) {
    runControl.nextPreset();
  } else {
    clock.armRunStart();
  }
}

}  // namespace horalix
