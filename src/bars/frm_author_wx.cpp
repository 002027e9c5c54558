#include "bars/frm_author_wx.h"

#include "services/context.h"

namespace horalix {

FrmAuthorWx::FrmAuthorWx(Context& app) : Form(app.platform.forms, "Frm_Author_wx") {}

}  // namespace horalix
