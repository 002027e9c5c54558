#include "main/end_of_run.h"

#include "bars/bars.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/main_window.h"
#include "main/run_state.h"
#include "main/slide_show_end.h"
#include "main/tray_menu.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/program_values.h"
#include "services/setting_readers.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

void stopInteractionSound(Context& context) {
  StopMusic(context.platform,
            context.pathInProgramFolder("sounds\\" + context.interactionWindow().Label6.Caption()));
}

}  // namespace

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
  attempt(context.platform.log, "EndTiming", [&] { stopInteractionSound(context); });
  attempt(context.platform.log, "EndTiming", [&] {
    main.menu_one(1).setEnabled(!ReadAImode(context.platform, context.settings));
    main.menu_one(2).setEnabled(false);
    main.menu_one(2).setVisible(optionOn(context.settings.checkvalue, CheckFlag::PauseAllowed));
    main.menu_one(3).setEnabled(false);
    releaseRunMenus(context);
  });
  attempt(context.platform.log, "EndTiming", [&] { RestoreClocks(context); });
}

void HideProcessBars(Context& context) {
  const int screenWidth = context.run.ScreenWidthPx * context.platform.desktop.twipsPerPixelX();
  // The extended screen is taken to lie right of the primary one and to be as wide.
  const struct {
    PromptBar& bar;
    int offset;
  } bars[] = {{context.promptBar(), 0}, {context.secondPromptBar(), screenWidth}};
  for (const auto& [bar, offset] : bars) parkProcessBar(bar, screenWidth, offset, 2000);
}

void parkProcessBar(PromptBar& bar, int screenWidth, int offset, int distance) {
  for (platform::Timer* t : {&bar.Timer1, &bar.Timer2, &bar.Timer3, &bar.Timer4}) {
    t->setEnabled(false);
  }
  bar.setLeft((screenWidth - bar.Width()) / 2 + offset);
  bar.setTop(-bar.Height() - distance);
}

void HideInteraction(Context& context) {
  InteractionWindow& window = context.interactionWindow();
  window.setTop(-50000);
  window.setLeft(-window.Width() - 60000);
  window.Timer1.setEnabled(false);
  window.Timer2.setEnabled(false);
  stopInteractionSound(context);
}

}  // namespace horalix
