#include "bars/frm_move_before.h"

#include "app/app.h"

namespace horalix {

FrmMoveBefore::FrmMoveBefore(App& app) : Form(app.platform.forms, "Frm_move_before") {}

}  // namespace horalix
