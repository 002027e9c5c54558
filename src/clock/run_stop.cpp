#include "clock/run_stop.h"

#include <cmath>

#include "app/app.h"
#include "app/attempt.h"
#include "app/run_record.h"
#include "app/setting_readers.h"
#include "app/text_runtime.h"
#include "bars/frm_tishi.h"
#include "clock/time_glass.h"
#include "interaction/frm_hudong_set.h"
#include "main/frm_exit.h"
#include "main/run_state.h"
#include "presets/frm_data_sum.h"
#include "presets/frm_offtensetting.h"
#include "settings/settings_window.h"

namespace horalix {

void RecordRun(App& app, TimeGlass& clock) {
  Attempt(app, "RecordRun", [&] {
    const std::string music = clock.SoundNames.size() > 4 ? clock.SoundNames[4] : "";
    SaveTimeRecord(app, clock.Left(), clock.Top(), music);
  });
}

void CloseToolWindows(App& app, bool withStatistics) {
  if (withStatistics) Attempt(app, "CloseToolWindows", [&] { app.frmDataSum().Unload(); });
  for (platform::Form* tool : {static_cast<platform::Form*>(&app.frmOfftensetting()),
                               static_cast<platform::Form*>(&app.frmHudongSet()),
                               static_cast<platform::Form*>(&app.settingsWindow())}) {
    Attempt(app, "CloseToolWindows", [&] { tool->Unload(); });
  }
  Attempt(app, "CloseToolWindows", [&] { app.frmExit().delform(); });
}

void ShowTimeUpPrompt(App& app) {
  Attempt(app, "ShowTimeUpPrompt", [&] {
    if (!OptionOn(app.settings.checkvalue, 33) || Trim(app.settings.tellouttext).empty()) return;
    app.frmTishi().Show(true);
  });
}

void StartNextRound(App& app, TimeGlass& clock) {
  bool nextPreset = false;
  Attempt(app, "StartNextRound",
          [&] { nextPreset = Mid(app.settings.AImode, 1, 1) == "1" && ReadClockCycle(app) == 1; });
  if (nextPreset) {
    app.frmExit().nextmenu_often();
  } else {
    clock.Timer5.setEnabled(true);
  }
}

}  // namespace horalix
