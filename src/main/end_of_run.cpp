#include "main/end_of_run.h"

#include "bars/bars.h"
#include "interaction/interaction.h"
#include "main/clock_placement.h"
#include "main/main_window.h"
#include "main/run_state.h"
#include "main/slide_show_end.h"
#include "main/tray_menu.h"
#include "presets/presets.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/option_names.h"
#include "services/program_values.h"
#include "services/run_cells.h"
#include "services/setting_readers.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "settings/settings.h"

namespace horalix {

namespace {

void stopInteractionSound(Context& app) {
  StopMusic(app, app.pathInProgramFolder("sounds\\" + app.interactionWindow().Label6.Caption()));
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

void EndTiming(Context& app) {
  MainWindow& main = app.mainWindow();
  for (platform::Form* tool : {static_cast<platform::Form*>(&app.statisticsWindow()),
                               static_cast<platform::Form*>(&app.interactionSettingsWindow()),
                               static_cast<platform::Form*>(&app.presetManager()),
                               static_cast<platform::Form*>(&app.settingsWindow())}) {
    attempt(app, "EndTiming", [&] { tool->Unload(); });
  }
  attempt(app, "EndTiming", [&] { HideProcessBars(app); });
  main.Label1.setCaption("0");
  const DocumentKind kind = readDocumentKind(main.Label3);
  attempt(app, "EndTiming",
          [&] { programValues(app).removeGroup(handOverValues(static_cast<int>(kind))); });
  attempt(app, "EndTiming", [&] {
    if (kind == DocumentKind::SlideShow &&
        optionOn(app.settings.checkvalue, CheckFlag::TimedDuration) &&
        optionOn(app.settings.optvalue, OptFlag::AfterZeroStop)) {
      EndSlideShow(app);
    }
  });
  attempt(app, "EndTiming", [&] { stopInteractionSound(app); });
  attempt(app, "EndTiming", [&] {
    main.menu_one(1).setEnabled(!ReadAImode(app));
    main.menu_one(2).setEnabled(false);
    main.menu_one(2).setVisible(optionOn(app.settings.checkvalue, CheckFlag::PauseAllowed));
    main.menu_one(3).setEnabled(false);
    releaseRunMenus(app);
  });
  attempt(app, "EndTiming", [&] { RestoreClocks(app); });
}

void HideProcessBars(Context& app) {
  const int screenWidth = app.run.ScreenWidthPx * app.platform.desktop.twipsPerPixelX();
  // The extended screen is taken to lie right of the primary one and to be as wide.
  const struct {
    PromptBar& bar;
    int offset;
  } bars[] = {{app.promptBar(), 0}, {app.secondPromptBar(), screenWidth}};
  for (const auto& [bar, offset] : bars) parkProcessBar(bar, screenWidth, offset, 2000);
}

void parkProcessBar(PromptBar& bar, int screenWidth, int offset, int distance) {
  for (platform::Timer* t : {&bar.Timer1, &bar.Timer2, &bar.Timer3, &bar.Timer4}) {
    t->setEnabled(false);
  }
  bar.setLeft((screenWidth - bar.Width()) / 2 + offset);
  bar.setTop(-bar.Height() - distance);
}

void HideInteraction(Context& app) {
  InteractionWindow& window = app.interactionWindow();
  window.setTop(-50000);
  window.setLeft(-window.Width() - 60000);
  window.Timer1.setEnabled(false);
  window.Timer2.setEnabled(false);
  stopInteractionSound(app);
}

}  // namespace horalix
