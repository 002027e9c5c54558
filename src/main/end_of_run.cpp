#include "main/end_of_run.h"

#include "bars/bars.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/main_window.h"
#include "main/run_state.h"
#include "main/slide_show_end.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/program_values.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"

namespace horalix {

std::vector<std::string> handOverValues(int documentKind) {
  switch (documentKind) {
    case 1:
      return {"filename1"};
    case 2:
      return {"filename2"};
    case 3:
      return {"filename3"};
    case 4:
    case 6:
      return {};
    case 5:
      return {"filename5"};
    default:
      return {"filename1", "filename2", "filename3", "filename5"};
  }
}

void EndTiming(Context& context) {
  MainWindow& main = context.mainWindow();
  for (ToolWindow tool : {ToolWindow::Statistics, ToolWindow::InteractionSettings,
                          ToolWindow::PresetManager, ToolWindow::Settings}) {
    attempt(context.platform.log, "EndTiming", [&] { context.ports().toolWindows().unload(tool); });
  }
  attempt(context.platform.log, "EndTiming", [&] { HideProcessBars(context); });
  context.run.holdOff = 0;
  const DocumentKind kind = context.run.documentKind;
  attempt(context.platform.log, "EndTiming", [&] {
    programValues(context.platform).removeGroup(handOverValues(static_cast<int>(kind)));
  });
  attempt(context.platform.log, "EndTiming", [&] {
    if (kind == DocumentKind::SlideShow &&
        optionOn(context.settings.checkvalue, CheckFlag::TimedDuration) &&
        optionOn(context.settings.optvalue, OptFlag::AfterZeroStop)) {
      EndSlideShow(context);
    }
  });
  attempt(context.platform.log, "EndTiming", [&] { context.interactionWindow().stopSound(); });
  attempt(context.platform.log, "EndTiming", [&] { main.showRunEnded(); });
  attempt(context.platform.log, "EndTiming", [&] { RestoreClocks(context); });
}

void HideProcessBars(Context& context) {
  for (PromptBar* bar : {&context.promptBar(), &context.secondPromptBar()}) bar->stopAndPark(2000);
}

void HideInteraction(Context& context) { context.interactionWindow().stopAndPark(); }

}  // namespace horalix
