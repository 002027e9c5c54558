#include "presets/frm_data_sum.h"

#include "clock/clock.h"
#include "main/main.h"
#include "services/context.h"
#include "services/setting_readers.h"

namespace horalix {

FrmDataSum::FrmDataSum(Context& app) : Form(app.platform.forms, "Frm_data_sum"), app_(app) {}

// Always hands the program back to timing: automatic timing resumes its watch and re-arms the
// clock without the start sound; manual timing gets a fresh run record and an idle clock.
void FrmDataSum::Form_Unload(bool& cancel) {
  (void)cancel;
  FrmExit& main = app_.frmExit();
  if (ReadAImode(app_)) {
    main.Label7.setCaption("1");
    main.Timer4.setEnabled(true);
    app_.timeGlass().Timer5.setEnabled(true);
    return;
  }
  main.Timer4.setEnabled(true);
  main.Timer5.setEnabled(false);
  ResetRunRecord(app_);
  app_.timeGlass().Timer3.setEnabled(false);
  app_.timeGlassTwo().Timer3.setEnabled(false);
  app_.timeGlass().Timer5.setEnabled(true);
}

}  // namespace horalix
