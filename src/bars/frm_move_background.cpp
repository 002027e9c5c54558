#include "bars/frm_move_background.h"

#include "app/app.h"

namespace horalix {

FrmMoveBackground::FrmMoveBackground(App& app) : Form(app.platform.forms, "Frm_move_background") {}

}  // namespace horalix
