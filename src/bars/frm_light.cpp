#include "bars/frm_light.h"

#include "app/app.h"

namespace horalix {

FrmLight::FrmLight(App& app)
    : Form(app.platform.forms, "Frm_light"), Label1(addCell("Label1", -1, "0")) {}

}  // namespace horalix
