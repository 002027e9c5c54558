#include "interaction/frm_hudong_set.h"

#include "services/context.h"

namespace horalix {

FrmHudongSet::FrmHudongSet(Context& app) : Form(app.platform.forms, "Frm_hudong_set") {}

}  // namespace horalix
