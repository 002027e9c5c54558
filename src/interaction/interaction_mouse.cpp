// The mouse on the interaction window's time: any press holds off the keep-on-top routine, a
// right press or a double click opens the "互动" popup, a left drag moves the window. Where it
// is dropped is not kept: the next start or time-up centres it again.
#include "interaction/frm_hudong.h"
#include "main/main.h"
#include "services/context.h"

namespace horalix {

namespace {
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
}  // namespace

void FrmHudong::Picture4_MouseDown(int Button) {
  FrmExit& main = app_.frmExit();
  // Twenty calls of the keep-on-top routine leave the window order alone while the user works.
  main.Label1.setCaption("100");
  if (Button == kRightButton) app_.platform.tray.popup(main, main.ppt_hudong);
}

void FrmHudong::Picture4_DblClick() {
  FrmExit& main = app_.frmExit();
  app_.platform.tray.popup(main, main.ppt_hudong);
}

void FrmHudong::Picture4_MouseMove(int Button) {
  if (Button & kLeftButton) app_.platform.desktop.dragWithPointer(*this);
}

}  // namespace horalix
