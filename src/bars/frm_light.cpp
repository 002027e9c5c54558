#include "bars/frm_light.h"

#include "services/context.h"

namespace horalix {

FrmLight::FrmLight(Context& app)
    : Form(app.platform.forms, "Frm_light"), Label1(addCell("Label1", -1, "0")) {}

}  // namespace horalix
