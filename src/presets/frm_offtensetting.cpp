#include "presets/frm_offtensetting.h"

#include "app/app.h"

namespace horalix {

FrmOfftensetting::FrmOfftensetting(App& app) : Form(app.platform.forms, "Frm_offtensetting") {}

}  // namespace horalix
