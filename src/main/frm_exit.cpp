#include "main/frm_exit.h"

#include "app/app.h"

namespace horalix {

FrmExit::FrmExit(App& app) : Form(app.platform.forms, "Frm_exit"), app_(app) {
  // Placed off every screen by its design; no code moves it.
  move(-11670, -7500, 2235, 1395);
  setCaption("Horalix");
}

void FrmExit::Form_Load() {}

}  // namespace horalix
