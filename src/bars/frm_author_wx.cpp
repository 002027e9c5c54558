#include "bars/frm_author_wx.h"

#include "app/app.h"

namespace horalix {

FrmAuthorWx::FrmAuthorWx(App& app) : Form(app.platform.forms, "Frm_Author_wx") {}

}  // namespace horalix
