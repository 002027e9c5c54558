#include "presets/frm_offtensetting.h"

#include "services/context.h"

namespace horalix {

FrmOfftensetting::FrmOfftensetting(Context& app) : Form(app.platform.forms, "Frm_offtensetting") {}

}  // namespace horalix
