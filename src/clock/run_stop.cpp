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

void recordRun(ClockNeeds& needs, FloatingClock& clock) {
  attempt(needs.platform.log, "recordRun", [&] {
    const std::string music = clock.SoundNames.size() > 4 ? clock.SoundNames[4] : "";
    SaveTimeRecord(needs.platform, needs.runRecords, needs.run.record, clock.Left(), clock.Top(),
                   music);
  });
}

void closeToolWindows(ClockNeeds& needs, bool withStatistics) {
  ToolWindows& tools = needs.toolWindows;
  if (withStatistics)
    attempt(needs.platform.log, "closeToolWindows", [&] { tools.unload(ToolWindow::Statistics); });
  for (ToolWindow tool :
       {ToolWindow::PresetManager, ToolWindow::InteractionSettings, ToolWindow::Settings}) {
    attempt(needs.platform.log, "closeToolWindows", [&] { tools.unload(tool); });
  }
  attempt(needs.platform.log, "closeToolWindows", [&] { needs.runControl.closeToolWindow(); });
}

void showTimeUpPrompt(ClockNeeds& needs) {
  attempt(needs.platform.log, "showTimeUpPrompt", [&] {
    if (!optionOn(needs.settings.checkvalue, CheckFlag::EndPrompt) ||
        Trim(needs.settings.tellouttext).empty())
      return;
    needs.timeUpPrompt.Show(true);
  });
}

void startNextRound(ClockNeeds& needs, FloatingClock& clock) {
  bool nextPreset = false;
  attempt(needs.platform.log, "startNextRound", [&] {
    nextPreset =
        optionOn(needs.settings.AImode, AiFlag::Manual) && ReadClockCycle(needs.platform) == 1;
  });
  if (nextPreset) {
    needs.runControl.nextPreset();
  } else {
    clock.armRunStart();
  }
}

}  // namespace horalix
