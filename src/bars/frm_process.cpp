#include "bars/frm_process.h"

#include "app/app.h"

namespace horalix {

FrmProcess::FrmProcess(App& app, const std::string& name)
    : Form(app.platform.forms, name), app_(app) {
  move(0, 0, 4800, 600);
}

void FrmProcess::park() {
  const auto screen = app_.platform.desktop.primaryScreen();
  const int screenTwips = screen.width() * app_.platform.desktop.twipsPerPixelX();
  move((screenTwips - Width()) / 2, -Height() - 2000, Width(), Height());
}

void FrmProcess::Form_Load() { park(); }

}  // namespace horalix
