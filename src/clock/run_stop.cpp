#include "clock/run_stop.h"

#include <cmath>

#include "bars/bars.h"
#include "clock/floating_clock.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/run_record.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"

namespace horalix {

void recordRun(Context& context, FloatingClock& clock) {
  attempt(context.platform.log, "recordRun", [&] {
    const std::string music = clock.SoundNames.size() > 4 ? clock.SoundNames[4] : "";
    SaveTimeRecord(context.platform, context.ports().runRecords(), context.run.record, clock.Left(),
                   clock.Top(), music);
  });
}

void closeToolWindows(Context& context, bool withStatistics) {
  ToolWindows& tools = context.ports().toolWindows();
  if (withStatistics)
    attempt(context.platform.log, "closeToolWindows",
            [&] { tools.unload(ToolWindow::Statistics); });
  for (ToolWindow tool :
       {ToolWindow::PresetManager, ToolWindow::InteractionSettings, ToolWindow::Settings}) {
    attempt(context.platform.log, "closeToolWindows", [&] { tools.unload(tool); });
  }
  attempt(context.platform.log, "closeToolWindows",
          [&] { context.ports().runControl().closeToolWindow(); });
}

void showTimeUpPrompt(Context& context) {
  attempt(context.platform.log, "showTimeUpPrompt", [&] {
    if (!optionOn(context.settings.checkvalue, CheckFlag::EndPrompt) ||
        Trim(context.settings.tellouttext).empty())
      return;
    context.timeUpPrompt().Show(true);
  });
}

void startNextRound(Context& context, FloatingClock& clock) {
  bool nextPreset = false;
  attempt(context.platform.log, "startNextRound", [&] {
    nextPreset =
        optionOn(context.settings.AImode, AiFlag::Manual) && ReadClockCycle(context.platform) == 1;
  });
  if (nextPreset) {
    context.ports().runControl().nextPreset();
  } else {
    clock.armRunStart();
  }
}

}  // namespace horalix
