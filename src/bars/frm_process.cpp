#include "bars/frm_process.h"

#include "app/app.h"

namespace horalix {

FrmProcess::FrmProcess(App& app, const std::string& name)
    : Form(app.platform.forms, name),
      Timer1(addTimer("Timer1", 500)),
      Timer2(addTimer("Timer2", 1000)),
      Timer3(addTimer("Timer3", 100)),
      Timer4(addTimer("Timer4", 500)),
      app_(app) {
  move(0, 0, 4800, 600);
}

void FrmProcess::park() {
  const auto screen = app_.platform.desktop.primaryScreen();
  const int screenTwips = screen.width() * app_.platform.desktop.twipsPerPixelX();
  move((screenTwips - Width()) / 2, -Height() - 2000, Width(), Height());
}

void FrmProcess::Form_Load() { park(); }

}  // namespace horalix
