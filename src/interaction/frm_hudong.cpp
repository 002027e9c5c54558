#include "interaction/frm_hudong.h"

#include "services/context.h"

namespace horalix {

FrmHudong::FrmHudong(Context& app)
    : Form(app.platform.forms, "Frm_hudong"),
      Label6(addCell("Label6", -1, "")),
      Timer1(addTimer("Timer1", 1000)),
      Timer2(addTimer("Timer2", 500)),
      app_(app) {
  move(0, 0, 3600, 1800);
}

void FrmHudong::park() { move(-Width() - 60000, -50000, Width(), Height()); }

void FrmHudong::Form_Load() { park(); }

}  // namespace horalix
