#include "interaction/frm_hudong.h"

#include "services/attempt.h"
#include "services/context.h"
#include "services/text_runtime.h"

namespace horalix {

using platform::Control;
using platform::ControlKind;

namespace {

Control& hiddenLabel(platform::Form& form, const std::string& name) {
  Control& label = form.addControl(name, -1, ControlKind::Label);
  label.setVisible(false);
  label.setAutoSize(true);
  return label;
}

}  // namespace

// The cells start with the values of the window's design; every timer is off until a preset
// starts.
FrmHudong::FrmHudong(Context& app)
    : Form(app.platform.forms, "Frm_hudong"),
      Label1(addCell("Label1", -1, "1")),
      Label2(addCell("Label2", -1, "")),
      Label3(addCell("Label3", -1, "")),
      Label4(addCell("Label4", -1, "")),
      Label5(addCell("Label5", -1, "")),
      Label6(addCell("Label6", -1, "")),
      Label7(addCell("Label7", -1, "")),
      Label8(hiddenLabel(*this, "Label8")),
      Label11(addCell("Label11", -1, "")),
      Picture4(addControl("Picture4", -1, ControlKind::PictureBox)),
      Timer1(addTimer("Timer1", 1000)),
      Timer2(addTimer("Timer2", 500)),
      Timer3(addTimer("Timer3", 100)),
      Timer4(addTimer("Timer4", 100)),
      Timer5(addTimer("Timer5", 1000)),
      Timer6(addTimer("Timer6", 1000)),
      app_(app) {
  addCell("Label9", 0, "0");
  addCell("Label9", 1, "0");
  // Nothing but the time shows: no caption, no frame, no task-bar button.
  setBorderStyle(0);
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
  Timer3.onTick = [this] { Timer3_Timer(); };
  Timer4.onTick = [this] { Timer4_Timer(); };
  Picture4.MouseDown = [this](int Button, int, float, float) { Picture4_MouseDown(Button); };
  Picture4.MouseMove = [this](int Button, int, float, float) { Picture4_MouseMove(Button); };
  Picture4.DblClick = [this] { Picture4_DblClick(); };
  move(0, 0, 3600, 1800);
}

// Sized for a large time and parked above and left of every screen; each step goes on after a
// failing one.
void FrmHudong::Form_Load() {
  Attempt(app_, "Frm_hudong load", [&] {
    Label8.setCaption("12:30");
    platform::FontSpec font = Label8.Font();
    font.size = 400;
    Label8.setFont(font);
  });
  Attempt(app_, "Frm_hudong load", [&] {
    move(Left(), Top(), Label8.Width() + 200, Label8.Height() + 200);
    Picture4.move(0, 0, Width(), Height());
  });
  Attempt(app_, "Frm_hudong load", [&] {
    move(-screenWidthTwips() - 10000, -screenHeightTwips() - 24000, Width(), Height());
  });
}

void FrmHudong::park() { move(-Width() - 60000, -50000, Width(), Height()); }

bool FrmHudong::flagOn(int position) const { return Mid(Label7.Caption(), position, 1) == "1"; }

int FrmHudong::displaySize() const {
  const std::vector<std::string> fields = Split(Label4.Caption(), "\\");
  return CInt(fields.at(1));
}

std::string FrmHudong::soundPath() const {
  return app_.pathInProgramFolder("sounds\\" + Label6.Caption());
}

int FrmHudong::screenWidthTwips() const {
  return app_.run.ScreenWidthPx * app_.platform.desktop.twipsPerPixelX();
}

int FrmHudong::screenHeightTwips() const {
  return app_.run.ScreenHeightPx * app_.platform.desktop.twipsPerPixelY();
}

}  // namespace horalix
