#include "main/main.h"

#include <string>
#include <vector>

#include "bars/bars.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/main_needs.h"
#include "main/main_window.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/program_values.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

// The hand-over values the add-in wrote for a document kind (the numeric value of the run's
// document kind): the one of its kind, none for PDF (4) and drawings (6), all four for any other
// kind (a manual run has none).
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

}  // namespace

void EndTiming(MainNeeds& needs) {
  MainWindow& main = needs.mainWindow;
  for (ToolWindow tool : {ToolWindow::Statistics, ToolWindow::InteractionSettings,
                          ToolWindow::PresetManager, ToolWindow::Settings}) {
    attempt(needs.platform.log, "EndTiming", [&] { needs.toolWindows.unload(tool); });
  }
  attempt(needs.platform.log, "EndTiming",
          [&] { HideProcessBars(needs.promptBar, needs.secondPromptBar); });
  needs.run.holdOff = 0;
  const DocumentKind kind = needs.run.binding.documentKind;
  attempt(needs.platform.log, "EndTiming", [&] {
    programValues(needs.platform).removeGroup(handOverValues(static_cast<int>(kind)));
  });
  attempt(needs.platform.log, "EndTiming", [&] {
    if (kind == DocumentKind::SlideShow &&
        optionOn(needs.settings.checkvalue, CheckFlag::TimedDuration) &&
        optionOn(needs.settings.optvalue, OptFlag::AfterZeroStop)) {
      EndSlideShow(needs.platform);
    }
  });
  attempt(needs.platform.log, "EndTiming", [&] { needs.interactionWindow.stopSound(); });
  attempt(needs.platform.log, "EndTiming", [&] { main.showRunEnded(); });
  attempt(needs.platform.log, "EndTiming", [&] { RestoreClocks(needs.clocks); });
}

void HideProcessBars(PromptBar& promptBar, PromptBar& secondPromptBar) {
  for (PromptBar* bar : {&promptBar, &secondPromptBar}) bar->stopAndPark(2000);
}

void HideInteraction(InteractionWindow& window) { window.stopAndPark(); }

}  // namespace horalix
