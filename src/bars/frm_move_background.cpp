#include "bars/frm_move_background.h"

#include "services/context.h"

namespace horalix {

FrmMoveBackground::FrmMoveBackground(Context& app)
    : Form(app.platform.forms, "Frm_move_background") {}

}  // namespace horalix
