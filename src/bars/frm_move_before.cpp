#include "bars/frm_move_before.h"

#include "services/context.h"

namespace horalix {

FrmMoveBefore::FrmMoveBefore(Context& app) : Form(app.platform.forms, "Frm_move_before") {}

}  // namespace horalix
