#include "main/end_of_run.h"

#include "bars/bars.h"
#include "interaction/interaction.h"
#include "main/clock_placement.h"
#include "main/frm_exit.h"
#include "main/run_state.h"
#include "main/slide_show_end.h"
#include "main/tray_menu.h"
#include "presets/presets.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/program_values.h"
#include "services/setting_readers.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "settings/settings.h"

namespace horalix {

namespace {

void stopInteractionSound(Context& app) {
  StopMusic(app, app.pathInProgramFolder("sounds\\" + app.frmHudong().Label6.Caption()));
}

}  // namespace

std::vector<std::string> HandOverValues(int documentKind) {
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
  FrmExit& main = app.frmExit();
  for (platform::Form* tool : {static_cast<platform::Form*>(&app.frmDataSum()),
                               static_cast<platform::Form*>(&app.frmHudongSet()),
                               static_cast<platform::Form*>(&app.frmOfftensetting()),
                               static_cast<platform::Form*>(&app.settingsWindow())}) {
    Attempt(app, "EndTiming", [&] { tool->Unload(); });
  }
  Attempt(app, "EndTiming", [&] { HideProcessBars(app); });
  main.Label1.setCaption("0");
  const int kind = static_cast<int>(Val(main.Label3.Caption()));
  Attempt(app, "EndTiming", [&] { ProgramValues(app).removeGroup(HandOverValues(kind)); });
  Attempt(app, "EndTiming", [&] {
    if (kind == 3 && OptionOn(app.settings.checkvalue, 1) && OptionOn(app.settings.optvalue, 8)) {
      EndSlideShow(app);
    }
  });
  Attempt(app, "EndTiming", [&] { stopInteractionSound(app); });
  Attempt(app, "EndTiming", [&] {
    main.menu_one(1).setEnabled(!ReadAImode(app));
    main.menu_one(2).setEnabled(false);
    main.menu_one(2).setVisible(OptionOn(app.settings.checkvalue, 9));
    main.menu_one(3).setEnabled(false);
    ReleaseRunMenus(app);
  });
  Attempt(app, "EndTiming", [&] { RestoreClocks(app); });
}

void HideProcessBars(Context& app) {
  const int screenWidth = app.run.ScreenWidthPx * app.platform.desktop.twipsPerPixelX();
  // The extended screen is taken to lie right of the primary one and to be as wide.
  const struct {
    FrmProcess& bar;
    int offset;
  } bars[] = {{app.frmProcess(), 0}, {app.frmProcessTwo(), screenWidth}};
  for (const auto& [bar, offset] : bars) ParkProcessBar(bar, screenWidth, offset, 2000);
}

void ParkProcessBar(FrmProcess& bar, int screenWidth, int offset, int distance) {
  for (platform::Timer* t : {&bar.Timer1, &bar.Timer2, &bar.Timer3, &bar.Timer4}) {
    t->setEnabled(false);
  }
  bar.setLeft((screenWidth - bar.Width()) / 2 + offset);
  bar.setTop(-bar.Height() - distance);
}

void HideInteraction(Context& app) {
  FrmHudong& window = app.frmHudong();
  window.setTop(-50000);
  window.setLeft(-window.Width() - 60000);
  window.Timer1.setEnabled(false);
  window.Timer2.setEnabled(false);
  stopInteractionSound(app);
}

}  // namespace horalix
