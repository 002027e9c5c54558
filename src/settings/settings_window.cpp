#include "settings/settings_window.h"

#include "main/main.h"
#include "services/context.h"

namespace horalix {

SettingsWindow::SettingsWindow(Context& app)
    : Form(app.platform.forms, "Settings"), Timer1(addTimer("Timer1", 200, true)), app_(app) {
  Timer1.onTick = [this] { app_.frmExit().Label1.setCaption("30"); };
}

void SettingsWindow::Form_Unload(bool& cancel) {
  (void)cancel;
  app_.frmExit().Label1.setCaption("0");
  // The clocks go back on top at once: the hold-off has just ended.
  RaiseClocks(app_);
}

}  // namespace horalix
