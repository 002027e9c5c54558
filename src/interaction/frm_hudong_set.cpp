#include "interaction/frm_hudong_set.h"

#include "app/app.h"

namespace horalix {

FrmHudongSet::FrmHudongSet(App& app) : Form(app.platform.forms, "Frm_hudong_set") {}

}  // namespace horalix
